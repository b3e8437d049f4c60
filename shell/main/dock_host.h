#pragma once

#include <QString>

class QWidget;

// What the main window asks of the docking control that hosts the information pane.
// Sizes are in twips at this surface; the host converts them to pixels.
class DockHost {
public:
    virtual ~DockHost() = default;
    virtual void AddForm(QWidget* form) = 0;
    virtual void Show(const QString& formName, int state, int edge) = 0;
    virtual void Hide(const QString& formName) = 0;
    virtual int State(const QString& formName) const = 0; // 0 hidden, 1 docked, 2 floating
    virtual void SetState(const QString& formName, int state) = 0;
    virtual void SetCanDockTop(bool can) = 0;
    virtual void SetCanDockBottom(bool can) = 0;
    virtual void SetLeftEdgeWidth(int twips) = 0;
    virtual void SetRightEdgeWidth(int twips) = 0;
};
