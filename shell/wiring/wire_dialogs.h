#pragma once

// Puts the identification dialog behind its toolbar button and menu item, and the date
// dialog behind the download's question for a start time. Run once at start-up.
void RegisterIdentificationAndDateDialogs();
