#pragma once

// The texts of Qt's own dialogs (file dialogs, their overwrite question, standard buttons)
// in the program's language: 0 Italian, anything else English. False when the translation
// could not be loaded (the dialogs then stay in English).
bool InstallPlatformTexts(int language);
