#pragma once

#include "docking/dock_state.h"
#include "shell/main/twips.h"

#include <QString>

#include <functional>

class QWidget;

// What the main window asks of the docking control that hosts the information pane. A
// form is named by its object name ("frmInfo") once it has been added. Sizes are in twips
// at this surface; the host converts them to pixels.
class DockHost {
public:
    virtual ~DockHost() = default;
    // Registers a form, not shown, with the state it takes when shown and the edge it
    // docks to (1 top, 2 bottom, 3 left, 4 right). A second form of the same name is
    // ignored.
    virtual void AddForm(QWidget* form, int state, int align) = 0;
    // Align 0 floats the form; 1..4 docks it on that edge.
    virtual void Show(const QString& key, int align = dockable::NoEAlign) = 0;
    virtual void Hide(const QString& key) = 0;
    // dockable::FormHidden, FormDocked or FormUndocked; FormHidden for an unknown name.
    virtual int State(const QString& key) const = 0;
    // 0 hides, 1 docks on the form's edge, 2 floats; other values do nothing.
    virtual void SetState(const QString& key, int state) = 0;
    virtual void SetCanDockTop(const QString& key, bool can) = 0;
    virtual void SetCanDockBottom(const QString& key, bool can) = 0;
    virtual void SetLeftEdgeWidth(int twips) = 0;
    virtual void SetRightEdgeWidth(int twips) = 0;
    // The width, in twips, of a left or right edge whose docked form gets that many pixels.
    virtual int EdgeWidthFor(int formPixels) const { return PixelsToTwips(formPixels); }
    // Told when a form's state changes other than by the main window's own Show and
    // SetState (the user closes, floats or docks it by hand; the form hides itself).
    virtual void SetStateObserver(std::function<void(const QString& key, int state)> observer) {}
};
