#include "shell/panes/frm_warnings.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/warnings/generate_warnings.h"
#include "shell/main/frm_main.h"
#include "shell/panes/pane_pictures.h"
#include "shell/panes/warnings_place.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
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
    if (isVisible())
        fitRows();
}

int frmWarnings::RowsWidth() const {
    const int frame = 2 * trwWarning_->frameWidth();
    const int bar = trwWarning_->verticalScrollBar()->sizeHint().width();
    // The tree hides its own measure of a column; the view it is gives it.
    const QAbstractItemView* view = trwWarning_;
    return view->sizeHintForColumn(0) + frame + bar;
}

void frmWarnings::fitRows() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int widest = screen ? screen->availableGeometry().width() : RowsWidth();
    const int wanted = std::min(RowsWidth(), widest);
    if (width() < wanted)
        resize(wanted, height());
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
    // The first time it shows, the pane opens where it hides none of the data that a load
    // has just put in the main window's work area; later it stays where the user left it.
    if (!placed_ && parentWidget()) {
        placed_ = true;
        QWidget* main = parentWidget();
        QRect workArea = main->geometry();
        if (auto* frame = qobject_cast<frmMain*>(main))
            workArea = QRect(frame->MdiArea()->mapToGlobal(QPoint(0, 0)), frame->MdiArea()->size());
        const QRect screen = (main->screen() ? main->screen() : QGuiApplication::primaryScreen())
                                 ->availableGeometry();
        // A pane made smaller to stand beside the main window still shows its rows whole.
        const QFontMetrics fm(font());
        const int rows = std::min(RowsWidth(), screen.width());
        const QSize minimum(std::max(fm.averageCharWidth() * 32, rows), (fm.height() + 4) * 5);
        const QSize pane(std::max(width(), rows), height());
        setGeometry(PlaceWarningsPane(screen, main->frameGeometry(), workArea, pane, minimum));
    }
    fitRows();
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
