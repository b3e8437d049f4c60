#pragma once

#include "shell/main/dock_host.h"

#include <QObject>

#include <memory>

class QMainWindow;

namespace dockable {
class Dockable;
}

// The main window's docking control: the Dockable library on the main window's edges,
// reached through the members the main window calls. Its stored design properties keep no
// layout between runs: the pane's shown and docked state travels in the options instead.
class DockableHost final : public QObject, public DockHost {
    Q_OBJECT
public:
    explicit DockableHost(QMainWindow* host);
    ~DockableHost() override;

    void AddForm(QWidget* form, int state, int align) override;
    void Show(const QString& key, int align = dockable::NoEAlign) override;
    void Hide(const QString& key) override;
    int State(const QString& key) const override;
    void SetState(const QString& key, int state) override;
    void SetCanDockTop(const QString& key, bool can) override;
    void SetCanDockBottom(const QString& key, bool can) override;
    void SetLeftEdgeWidth(int twips) override;
    void SetRightEdgeWidth(int twips) override;
    int EdgeWidthFor(int formPixels) const override;
    void SetStateObserver(std::function<void(const QString& key, int state)> observer) override {
        observer_ = std::move(observer);
    }

    dockable::Dockable& Control() const { return *control_; }

private:
    QMainWindow* host_;
    std::unique_ptr<dockable::Dockable> control_;
    std::function<void(const QString&, int)> observer_;
    int applying_ = 0; // inside the main window's own calls, not the user's doing
};
