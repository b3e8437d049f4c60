#pragma once

#include <QIcon>
#include <QPixmap>

// The main window's pictures: the status pictures of the battery and communication boxes,
// and the toolbar's picture list.

// Status pictures by their store index.
namespace StatusPicture {
constexpr int BatteryUnknown = 0;
constexpr int BatteryOk = 1;
constexpr int BatteryLow = 2;
constexpr int CommOff = 3;
constexpr int CommFailed = 4;
constexpr int CommOk = 5; // also: port open
constexpr int CommSending = 6;
constexpr int Count = 7;
} // namespace StatusPicture

// The status picture at that index (16 pixels); a null picture outside the store.
QPixmap StatusPictureAt(int index, qreal devicePixelRatio = 1.0);

// The program's own icon, which every window of the program carries.
QIcon ProgramIcon();

// The toolbar picture with that 1-based number; the desktop's themed icon where it has a
// fitting one, else our own drawing. A null icon outside the list.
QIcon ToolbarPicture(int image);
inline constexpr int ToolbarPictureCount = 17;

// The icon theme looked in when the desktop's own theme has no icon of a name: a plain X
// session (no desktop) gives only "hicolor", which holds none of the standard actions.
// Call once before the first icon is looked up.
inline constexpr const char* FallbackIconTheme = "Adwaita";
void UseFallbackIconTheme();
