#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanel"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvanel"));
    window.show();
    return app.exec();
}
