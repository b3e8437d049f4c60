#pragma once

#include <QString>

namespace dockable {

// What the control keeps of each registered form: its state, where it docks and where it
// floats. The same fields are stored with the layout.
struct FormRecord {
    QString name;
    int State = 0;            // 0 hidden, 1 docked, 2 floating
    int StateWhenVisible = 0; // the state to come back to (1 or 2)
    int AlignWhenDocked = 0;  // the side it was last docked to, 0 none
    QString HostPane;         // the form it was docked beside
    int AlignToHostPane = 0;  // the side of that pane it took
    int HostSplitProMille = 500;
    int LeftWhenUnDocked = 0; // floating placement, screen pixels
    int TopWhenUnDocked = 0;
    int WidthWhenUnDocked = 0;
    int HeightWhenUnDocked = 0;
    bool GrabberBar = false;
    bool GrabberBarXBtn = true;
    bool CanDockLeft = true;
    bool CanDockRight = true;
    bool CanDockTop = true;
    bool CanDockBottom = true;

    bool canDock(int side) const {
        switch (side) {
        case 1:
            return CanDockTop;
        case 2:
            return CanDockBottom;
        case 3:
            return CanDockLeft;
        case 4:
            return CanDockRight;
        default:
            return false;
        }
    }
};

} // namespace dockable
