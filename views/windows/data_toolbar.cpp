#include "views/windows/data_toolbar.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <QWidget>

namespace {
// 200 twips at 15 twips a pixel: the gap between the print and close buttons.
constexpr int SpacerPixels = 13;
} // namespace

QAction* AddToolbarButton(QToolBar* bar, QStyle::StandardPixmap picture, const QString& tip,
                          const std::function<void()>& clicked) {
    QAction* action = bar->addAction(bar->style()->standardIcon(picture), tip);
    action->setToolTip(tip);
    QObject::connect(action, &QAction::triggered, bar, [clicked] { clicked(); });
    return action;
}

void AddDataToolbarButtons(QToolBar* bar, QAction** buttons, const DataToolbarTips& tips,
                           const std::function<void(int)>& clicked) {
    auto add = [&](int index, QStyle::StandardPixmap picture, const QString& tip) {
        buttons[index] = AddToolbarButton(bar, picture, tip, [clicked, index] { clicked(index); });
    };
    buttons[1] = bar->addSeparator();
    add(2, QStyle::SP_DialogSaveButton, tips.save);
    add(3, QStyle::SP_FileDialogDetailedView, tips.print);
    auto* spacer = new QWidget(bar);
    spacer->setFixedWidth(SpacerPixels);
    buttons[4] = bar->addWidget(spacer);
    add(5, QStyle::SP_DialogCloseButton, tips.close);
    buttons[6] = bar->addSeparator();
    const QIcon printer = QIcon::fromTheme(QStringLiteral("document-print"));
    if (!printer.isNull())
        buttons[3]->setIcon(printer);
}
