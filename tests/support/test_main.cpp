#include <QApplication>

#include <gtest/gtest.h>

// One application object for every test program, offscreen.
int main(int argc, char** argv) {
    // The C locale unless the run chose one: the tests read and write in it.
    if (qEnvironmentVariableIsEmpty("LC_ALL")) {
        qputenv("LC_ALL", "C.UTF-8");
        qputenv("LANG", "C.UTF-8");
    }
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanel"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
