// A program of its own, built with nothing but the installed header and library. Its first
// run docks five panes on three edges, floats one, and ends as programs do, by closing
// its main window; its second run, with its main window elsewhere, finds them as they were.
#include <docking/dockable.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {
QLabel* pane(const char* name) {
    auto* w = new QLabel(name);
    w->setObjectName(name);
    w->setWindowTitle(name);
    w->resize(160, 120);
    return w;
}

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

// consumer first|again <layout file> <placement file>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        return 2;
    }
    const bool first = qstrcmp(argv[1], "first") == 0;
    const QString placementFile = QString::fromLocal8Bit(argv[3]);
    int failures = 0;
    auto check = [&failures](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "%s\n", what);
            ++failures;
        }
    };

    QMainWindow host;
    host.setCentralWidget(new QLabel("centre"));
    host.resize(700, 500);
    host.move(first ? 20 : 60, first ? 20 : 50);
    dockable::Dockable dock(&host);
    dock.SetSettingsFile(QString::fromLocal8Bit(argv[2]));
    QLabel* floating = pane("frmFloat");
    dock.AddForm(pane("frmLeft"), dockable::FormHidden, dockable::EAlignLeft);
    dock.AddForm(pane("frmLeftBelow"), dockable::FormHidden, dockable::EAlignLeft);
    dock.AddForm(pane("frmTop"), dockable::FormHidden, dockable::EAlignTop);
    dock.AddForm(pane("frmRight"), dockable::FormHidden, dockable::EAlignRight);
    dock.AddForm(floating, dockable::FormHidden, dockable::EAlignBottom);
    host.show();

    QTimer::singleShot(200, &host, [&] {
        const char* docked[] = {"frmLeft", "frmLeftBelow", "frmTop", "frmRight"};
        if (first) {
            dock.Show("frmLeft", dockable::EAlignLeft);
            dock.Show("frmLeftBelow", dockable::EAlignLeft, "frmLeft", dockable::HAlignBottom, 400);
            dock.Show("frmTop", dockable::EAlignTop);
            dock.Show("frmRight", dockable::EAlignRight);
            dock.Show("frmFloat", dockable::NoEAlign);
            QFile out(placementFile);
            check(out.open(QIODevice::WriteOnly), "the placement file does not open");
            out.write(text(floating->window()->geometry()).toUtf8());
        } else {
            QFile in(placementFile);
            check(in.open(QIODevice::ReadOnly), "the first run left no placement");
            check(QString::fromUtf8(in.readAll()) == text(floating->window()->geometry()),
                  "the floating form is not where the first run left it");
        }
        for (const char* key : docked) {
            check(dock.State(key) == dockable::FormDocked, "a pane is not docked");
        }
        check(dock.State("frmFloat") == dockable::FormUndocked, "the form does not float");
        check(floating->window() != &host && floating->window()->isVisible(),
              "the floating form is no window of its own on the screen");
        // Ends as a program does: its main window closes, and the application with it.
        host.close();
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
    const int rc = app.exec();
    if (rc != 0) {
        std::fprintf(stderr, "the program did not end when its main window closed\n");
        return rc;
    }
    return failures;
}
