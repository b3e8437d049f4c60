#pragma once

#include <QString>
#include <QStyle>

#include <functional>

class QAction;
class QToolBar;

struct DataToolbarTips {
    QString save;
    QString print;
    QString close;
};

// The buttons every data window's toolbar begins with, by index: 1 separator, 2 save,
// 3 print, 4 a spacer of 200 twips, 5 close, 6 separator. buttons[1] to buttons[6] receive
// them; a click on button i calls clicked(i).
void AddDataToolbarButtons(QToolBar* bar, QAction** buttons, const DataToolbarTips& tips,
                           const std::function<void(int)>& clicked);

// One button with a standard picture and its tip, calling clicked.
QAction* AddToolbarButton(QToolBar* bar, QStyle::StandardPixmap picture, const QString& tip,
                          const std::function<void()>& clicked);
