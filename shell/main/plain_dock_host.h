#pragma once

#include "shell/main/dock_host.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QDockWidget;
class QMainWindow;

// The information pane's holder until the docking library stands: each form sits in a dock
// widget of the main window, docked on an edge or floating beside it.
class PlainDockHost final : public QObject, public DockHost {
    Q_OBJECT
public:
    explicit PlainDockHost(QMainWindow* host);
    ~PlainDockHost() override;

    void AddForm(QWidget* form, int state, int align) override;
    void Show(const QString& key, int align = dockable::NoEAlign) override;
    void Hide(const QString& key) override;
    int State(const QString& key) const override;
    void SetState(const QString& key, int state) override;
    void SetCanDockTop(const QString& key, bool can) override;
    void SetCanDockBottom(const QString& key, bool can) override;
    void SetLeftEdgeWidth(int twips) override;
    void SetRightEdgeWidth(int twips) override;
    void SetStateObserver(std::function<void(const QString& key, int state)> observer) override {
        observer_ = std::move(observer);
    }

    // The dock widget holding that form (nullptr for an unknown name).
    QDockWidget* Holder(const QString& key) const;
    // The edge a docked form goes to (1..4), 0 when it never docked.
    int Edge(const QString& key) const;
    // Widths of the side edges, in pixels of the host's screen.
    int LeftEdgePixels() const;
    int RightEdgePixels() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QString key;
        QPointer<QDockWidget> holder;
        int state = dockable::FormHidden;
        int align = dockable::NoEAlign;
        bool canTop = true;
        bool canBottom = true;
        bool placedFloating = false;
    };
    Entry* find(const QString& key);
    const Entry* find(const QString& key) const;
    void applyAllowedAreas(Entry& entry);
    void applyEdgeWidth(Entry& entry);
    void placeFloating(Entry& entry);
    double dotsPerInch() const;

    void userChanged(const Entry& entry);

    QMainWindow* host_;
    std::function<void(const QString&, int)> observer_;
    bool applying_ = false; // our own Show and Hide, not the user's doing
    std::vector<Entry> entries_;
    int leftTwips_ = 1000;
    int rightTwips_ = 1000;
};
