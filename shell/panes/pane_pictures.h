#pragma once

#include <QPixmap>

// The small pictures of the two panes, drawn here so that they need no image files.

// The warnings pane's picture list, numbered from 1: 1 information, 2 a figure that is
// fine, 3 something to look at.
inline constexpr int WarningPictureCount = 3;
QPixmap WarningPicture(int number, int size = 16);

// The information pane's data-set pictures: a full or an empty store, and a disk that is
// saved or not.
QPixmap DataPresentPicture(bool present, int size = 24);
QPixmap SavedPicture(bool saved, int size = 24);
