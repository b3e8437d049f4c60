#pragma once

#include <QApplication>

#include <functional>

class QObject;

// Delivers one event with the last error trap around it: a failure that no procedure
// trapped is reported under the receiver's name and the program runs on, instead of an
// exception crossing the event loop.
bool DeliverTrapped(QObject* receiver, const std::function<bool()>& deliver);

// The program's application object: every event goes through DeliverTrapped.
class CorvanelApplication : public QApplication {
    Q_OBJECT
public:
    CorvanelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
