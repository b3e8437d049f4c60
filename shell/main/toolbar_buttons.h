#pragma once

#include "shell/main/text_id.h"

#include <array>

// The buttons of the main toolbar, in index order (1..24). Images are 1-based picture
// numbers of the toolbar's picture list; placeholders are empty gaps.
enum class ButtonStyle { Separator, DropDown, Normal, Placeholder };

struct ToolbarButtonSpec {
    int index;
    ButtonStyle style;
    int image;     // 0: none
    int tooltipId; // 0: none
    bool enabledAtStart;
};

inline constexpr int ToolbarButtonCount = 24;
inline constexpr int PlaceholderWidthTwips = 300;
inline constexpr int ToolbarHeightTwips = 500;
inline constexpr int ToolbarButtonWidthPixels = 18;

inline constexpr std::array<ToolbarButtonSpec, ToolbarButtonCount> ToolbarButtons{{
    {1, ButtonStyle::Separator, 0, 0, true},
    {2, ButtonStyle::DropDown, 1, TextIdOf(4126), true},
    {3, ButtonStyle::Normal, 2, TextIdOf(4127), false},
    {4, ButtonStyle::Normal, 4, TextIdOf(4128), false},
    {5, ButtonStyle::Placeholder, 0, 0, true},
    {6, ButtonStyle::Normal, 16, TextIdOf(4129), true},
    {7, ButtonStyle::Normal, 3, TextIdOf(4130), true},
    {8, ButtonStyle::Placeholder, 0, 0, true},
    {9, ButtonStyle::Normal, 6, TextIdOf(4131), true},
    {10, ButtonStyle::Normal, 7, TextIdOf(4132), true},
    {11, ButtonStyle::Normal, 8, TextIdOf(4133), true},
    {12, ButtonStyle::Placeholder, 0, 0, true},
    {13, ButtonStyle::Normal, 9, TextIdOf(4134), false},
    {14, ButtonStyle::Normal, 10, TextIdOf(4135), false},
    {15, ButtonStyle::Normal, 13, TextIdOf(4136), false},
    {16, ButtonStyle::Placeholder, 0, 0, true},
    {17, ButtonStyle::Normal, 5, TextIdOf(4137), true},
    {18, ButtonStyle::Placeholder, 0, 0, true},
    {19, ButtonStyle::Normal, 17, TextIdOf(4156), true},
    {20, ButtonStyle::Normal, 11, TextIdOf(4138), true},
    {21, ButtonStyle::Normal, 15, TextIdOf(4139), true},
    {22, ButtonStyle::Placeholder, 0, 0, true},
    {23, ButtonStyle::Normal, 14, TextIdOf(4140), true},
    {24, ButtonStyle::Normal, 12, TextIdOf(4141), true},
}};
static_assert(ToolbarButtons.back().index == ToolbarButtonCount);

// The buttons the dispatcher and the menus name, by their place on the toolbar; None for a
// menu item that forwards to no button.
enum class Button : int {
    None = 0,
    Open = 2,
    Save = 3,
    Export = 4,
    Connect = 6,
    Upload = 7,
    RealTime = 9,
    Monitor = 10,
    IdCode = 11,
    GraphTe = 13,
    GraphSt = 14,
    Source = 15,
    Settings = 17,
    Warnings = 19,
    Info = 20,
    Tile = 21,
    HelpSearch = 23,
    HelpIndex = 24,
};

// A button's place on the toolbar (1..24).
constexpr int ButtonIndex(Button button) {
    return static_cast<int>(button);
}
