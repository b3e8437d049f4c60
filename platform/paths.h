#pragma once

#include <QString>

// The program folder holds the read-only support files (language table, help files).
// Files the program writes go there too when it is writable, else to the per-user
// data folder.
QString ProgramFolder();
QString WritableFolder();

// Tests point the program at a scratch folder; an empty text restores the real one.
void SetProgramFolderForTests(const QString& folder);
void SetWritableFolderForTests(const QString& folder);

// Joins a folder and a file name the way the program builds its support-file paths.
QString InFolder(const QString& folder, const QString& fileName);
