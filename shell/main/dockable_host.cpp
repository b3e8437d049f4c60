#include "shell/main/dockable_host.h"

#include "docking/dockable.h"

#include <QMainWindow>

namespace {
// Counts the main window's own calls, so that only the user's doing reaches the observer.
class Applying {
public:
    explicit Applying(int& depth) : depth_(depth) { ++depth_; }
    ~Applying() { --depth_; }

private:
    int& depth_;
};
} // namespace

DockableHost::DockableHost(QMainWindow* host)
    : host_(host), control_(std::make_unique<dockable::Dockable>(host)) {
    control_->setObjectName(QStringLiteral("DockControl"));
    control_->ReadProperties({{QStringLiteral("Persistant"), false}});
    connect(control_.get(), &dockable::Dockable::StateChanged, this,
            [this](const QString& key, int state) {
                if (applying_ == 0 && observer_)
                    observer_(key, state);
            });
}

DockableHost::~DockableHost() = default;

void DockableHost::AddForm(QWidget* form, int state, int align) {
    Applying guard(applying_);
    control_->AddForm(form, state, align);
}

void DockableHost::Show(const QString& key, int align) {
    Applying guard(applying_);
    control_->Show(key, align);
}

void DockableHost::Hide(const QString& key) {
    Applying guard(applying_);
    control_->Hide(key);
}

int DockableHost::State(const QString& key) const {
    return control_->State(key);
}

void DockableHost::SetState(const QString& key, int state) {
    Applying guard(applying_);
    control_->SetState(key, state);
}

void DockableHost::SetCanDockTop(const QString& key, bool can) {
    control_->SetCanDockTop(key, can);
}

void DockableHost::SetCanDockBottom(const QString& key, bool can) {
    control_->SetCanDockBottom(key, can);
}

void DockableHost::SetLeftEdgeWidth(int twips) {
    control_->SetLeftEdgeWidth(twips);
}

void DockableHost::SetRightEdgeWidth(int twips) {
    control_->SetRightEdgeWidth(twips);
}

int DockableHost::EdgeWidthFor(int formPixels) const {
    // A side edge keeps a gap for its sizer beside the docked form.
    return PixelsToTwips(formPixels + dockable::EdgeSizerGap, host_->logicalDpiX());
}
