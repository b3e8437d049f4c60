#include "shell/panes/frm_warnings.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/warnings/generate_warnings.h"
#include "shell/panes/pane_pictures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPointer<frmWarnings>& current() {
    static QPointer<frmWarnings> pane;
    return pane;
}
} // namespace

frmWarnings::frmWarnings(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool) {
    setObjectName(QStringLiteral("frmWarnings"));
    SetTextId(this, 4089);
    trwWarning_ = new QTreeWidget(this);
    trwWarning_->setObjectName(QStringLiteral("trwWarning"));
    trwWarning_->setColumnCount(1);
    trwWarning_->setHeaderHidden(true);
    trwWarning_->setRootIsDecorated(false);
    trwWarning_->setIconSize(QSize(16, 16));
    trwWarning_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(trwWarning_);
    SetUpForm(this);
    resize(420, 200);
}

void frmWarnings::AddString(const QString& text, int image) {
    Trapped("AddString", [&] {
        if (image < 1 || image > WarningPictureCount)
            RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Index out of bounds"));
        auto* item = new QTreeWidgetItem(trwWarning_, {text});
        item->setIcon(0, QIcon(WarningPicture(image)));
        item->setData(0, Qt::UserRole, image);
    });
}

void frmWarnings::Clear() {
    trwWarning_->clear();
}

void frmWarnings::Unload() {
    unloading_ = true;
    close();
}

void frmWarnings::closeEvent(QCloseEvent* event) {
    if (unloading_ || QCoreApplication::closingDown()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
    emit ClosedByUser();
}

void frmWarnings::showEvent(QShowEvent* event) {
    // The first time it shows, the pane sits in the lower left of the main window's client
    // area, so it covers neither the menus nor the information pane at the right.
    if (!placed_ && parentWidget()) {
        placed_ = true;
        QWidget* main = parentWidget();
        const QPoint corner(16, std::max(16, main->height() - height() - 48));
        move(main->mapToGlobal(corner));
    }
    QWidget::showEvent(event);
}

frmWarnings* LoadWarningsPane(QWidget* mainWindow) {
    if (!current()) {
        current() = new frmWarnings(mainWindow);
        current()->setAttribute(Qt::WA_DeleteOnClose);
    }
    return current();
}

frmWarnings* WarningsWindow() {
    return current().data();
}

void AddString(const QString& text, int image) {
    if (frmWarnings* pane = current())
        pane->AddString(text, image);
}

void RegisterWarningsPane() {
    WarningsPane().Clear = [] {
        if (frmWarnings* pane = current())
            pane->Clear();
    };
    WarningsPane().Add = [](const QString& text, int image) { AddString(text, image); };
}
