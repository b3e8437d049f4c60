// Docks one form with nothing but the installed header and library.
#include <docking/dockable.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow host;
    host.setCentralWidget(new QLabel("centre"));
    dockable::Dockable dock(&host);
    auto* pane = new QLabel("pane");
    pane->setObjectName("frmPane");
    dock.AddForm(pane, dockable::FormHidden, dockable::EAlignLeft);
    dock.SetState("frmPane", dockable::FormDocked);
    return dock.State("frmPane") == dockable::FormDocked ? 0 : 1;
}
