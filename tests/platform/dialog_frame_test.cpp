#include "platform/dialog_frame.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {
// A main window with a pane along its right edge, and the frames installed as the program
// installs them, on a screen where no window manager frames the windows (the offscreen
// platform itself acts as one).
class DialogFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        qApp->installEventFilter(&frames_);
        main = std::make_unique<QWidget>();
        main->resize(900, 640);
        auto* pane = new QLabel(QStringLiteral("Origine dati"), main.get());
        pane->setGeometry(640, 0, 260, 640);
        main->show();
    }
    void TearDown() override {
        main.reset();
        qApp->removeEventFilter(&frames_);
    }

    // The edge follows the window's border and stands above every control of it.
    static void expectEdgeOnTop(QWidget* window) {
        QWidget* edge = DialogEdge(window);
        ASSERT_TRUE(edge);
        EXPECT_TRUE(edge->isVisible());
        EXPECT_EQ(edge->geometry(), window->rect());
        EXPECT_EQ(window->children().last(), edge);
        EXPECT_TRUE(edge->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    std::unique_ptr<QWidget> main;

private:
    DialogFrames frames_{nullptr, [](const QWidget*) { return true; }};
};
} // namespace

TEST_F(DialogFrameTest, AnUndecoratedDialogStandsAloneWithAnEdgeAboveItsControls) {
    QDialog dialog(main.get());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Collegare lo strumento alla porta seriale")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    dialog.setModal(true);
    dialog.show();
    // A window of its own over the main window, not a child drawn among the main window's.
    EXPECT_TRUE(dialog.isWindow());
    EXPECT_EQ(dialog.parentWidget(), main.get());
    expectEdgeOnTop(&dialog);

    // Controls added later, and a new size, keep it on top and along the border.
    auto* later = new QPushButton(QStringLiteral("Annulla"), &dialog);
    later->show();
    dialog.resize(640, 114);
    expectEdgeOnTop(&dialog);
    // Clicks reach the controls under it.
    EXPECT_EQ(dialog.childAt(later->geometry().center()), later);

    // Shown again, the window keeps its one edge.
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.findChildren<QWidget*>(QStringLiteral("dialogEdge")).size(), 1);
}

TEST_F(DialogFrameTest, StandardBoxesAndModalWindowsGetOnePopupsAndPlainWindowsNone) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Domanda"), QStringLiteral("?"),
                    QMessageBox::Ok, main.get());
    box.show();
    expectEdgeOnTop(&box);

    QWidget modal(main.get(), Qt::Window);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    expectEdgeOnTop(&modal);

    QMenu menu(main.get());
    menu.addAction(QStringLiteral("File"));
    menu.popup(QPoint(10, 10));
    EXPECT_EQ(DialogEdge(&menu), nullptr);
    menu.close();

    EXPECT_EQ(DialogEdge(main.get()), nullptr);
}

TEST(DialogFrames, AWindowTheWindowSystemFramesGetsNoEdgeOfItsOwn) {
    DialogFrames frames; // the offscreen platform frames its windows
    qApp->installEventFilter(&frames);
    QDialog dialog;
    dialog.show();
    EXPECT_FALSE(IsUndecorated(&dialog));
    EXPECT_EQ(DialogEdge(&dialog), nullptr);
    qApp->removeEventFilter(&frames);
}
