#include "core/language.h"
#include "core/message_box.h"
#include "shell/dialogs/frm_message_box.h"
#include "shell/dialogs/message_box_layout.h"
#include "shell/dialogs/shell_ui.h"
#include "tests/support/language_scope.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

TEST(MessageBoxLayout, IconAndMessageAreCentredAboveTheButtons) {
    for (int messageHeight : {14, 32, 120}) {
        for (bool single : {true, false}) {
            MessageBoxMetrics m;
            m.innerWidth = 400;
            m.messageHeight = messageHeight;
            m.singleButton = single;
            const MessageBoxPlacement p = PlaceMessageBox(m);
            const int band = p.ok.top();
            EXPECT_EQ(p.icon.top(), (band - 32) / 2) << messageHeight;
            EXPECT_EQ(p.message.top(), (band - messageHeight - 1) / 2) << messageHeight;
            EXPECT_GE(p.message.top(), 0);
            EXPECT_LE(p.message.bottom(), band) << "the message overlaps the buttons";
            EXPECT_GT(p.message.left(), p.icon.right());
            EXPECT_EQ(p.innerSize.width(), 400);
            EXPECT_GT(p.innerSize.height(), p.ok.bottom());
            if (single) {
                EXPECT_EQ(p.ok.left(), 400 / 2 - 90 / 2);
                EXPECT_TRUE(p.cancel.isEmpty());
            } else {
                EXPECT_EQ(p.ok.top(), p.cancel.top());
                EXPECT_LT(p.ok.right(), p.cancel.left());
                EXPECT_EQ(400 - p.cancel.right() - 1, p.ok.left()) << "the pair is centred";
            }
        }
    }
}

TEST(MessageBoxLayout, ThreeButtonsStandSideBySideAboutTheCentre) {
    MessageBoxMetrics m;
    m.innerWidth = 400;
    m.messageHeight = 14;
    m.singleButton = false;
    m.threeButtons = true;
    const MessageBoxPlacement p = PlaceMessageBox(m);
    EXPECT_EQ(p.ok.top(), p.no.top());
    EXPECT_EQ(p.no.top(), p.cancel.top());
    EXPECT_LT(p.ok.right(), p.no.left());
    EXPECT_LT(p.no.right(), p.cancel.left());
    EXPECT_EQ(p.no.left() + p.no.width() / 2, 400 / 2) << "the middle button stands in the centre";
    EXPECT_EQ(400 - p.cancel.right() - 1, p.ok.left()) << "the three are centred";
    EXPECT_GE(p.ok.left(), MessageBoxMargin);
}

namespace {
// Acts on the message box once it is up, from the event loop its modal show runs.
void whenBoxIsUp(std::function<void(frmMessageBox*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        auto* box = qobject_cast<frmMessageBox*>(QApplication::activeModalWidget());
        if (!box && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (!box) {
            ADD_FAILURE() << "no message box came up";
            return;
        }
        act(box);
    });
    timer->start(5);
}

QPushButton* button(frmMessageBox* box, const char* name) {
    return box->findChild<QPushButton*>(QLatin1String(name));
}

// The real message box behind the front, the built language table in Italian.
class MessageBoxWindow : public ::testing::Test {
protected:
    LanguageScope language{0};
    ShellUi shell;
    void SetUp() override { SetUi(&shell); }
    void TearDown() override { SetUi(nullptr); }
};
} // namespace

TEST_F(MessageBoxWindow, ButtonsAnswerByKind) {
    struct Case {
        int buttonKind;
        const char* press;
        bool result;
    };
    const Case cases[] = {
        {0, "btnOk", true}, {0, "btnCancel", false}, {1, "btnOk", true},
        {2, "btnOk", true}, {2, "btnCancel", false}, {-1, "btnOk", true},
    };
    for (const Case& c : cases) {
        QString okText, cancelText;
        bool cancelShown = false;
        whenBoxIsUp([&](frmMessageBox* box) {
            okText = button(box, "btnOk")->text();
            cancelText = button(box, "btnCancel")->text();
            cancelShown = button(box, "btnCancel")->isVisible();
            QTest::mouseClick(button(box, c.press), Qt::LeftButton);
        });
        EXPECT_EQ(MessBox(QStringLiteral("Domanda?"), QString(), -1, c.buttonKind), c.result)
            << c.buttonKind << " " << c.press;
        const bool single = c.buttonKind == 1 || c.buttonKind == -1;
        EXPECT_EQ(cancelShown, !single) << c.buttonKind;
        EXPECT_EQ(okText, ResString(c.buttonKind == 0 ? 4003 : 4001));
        if (!single)
            EXPECT_EQ(cancelText, ResString(c.buttonKind == 0 ? 4004 : 4002));
    }
}

TEST_F(MessageBoxWindow, YesNoCancelShowsThreeButtonsAndTellsThemApart) {
    struct Case {
        const char* press; // nullptr: the close box
        BoxAnswer answer;
    };
    const Case cases[] = {{"btnOk", BoxAnswer::Yes},
                          {"btnNo", BoxAnswer::No},
                          {"btnCancel", BoxAnswer::Cancel},
                          {nullptr, BoxAnswer::Cancel}};
    for (const Case& c : cases) {
        QStringList captions;
        bool allShown = false, apart = false;
        whenBoxIsUp([&](frmMessageBox* box) {
            QPushButton* ok = button(box, "btnOk");
            QPushButton* no = button(box, "btnNo");
            QPushButton* cancel = button(box, "btnCancel");
            captions = {ok->text(), no->text(), cancel->text()};
            allShown = ok->isVisible() && no->isVisible() && cancel->isVisible();
            apart = ok->geometry().right() < no->geometry().left() &&
                    no->geometry().right() < cancel->geometry().left() &&
                    cancel->geometry().right() < box->width();
            if (c.press)
                QTest::mouseClick(button(box, c.press), Qt::LeftButton);
            else
                box->close();
        });
        EXPECT_EQ(MessBoxYesNoCancel(QStringLiteral("Salvare?"), QString(), 2), c.answer)
            << (c.press ? c.press : "close box");
        EXPECT_TRUE(allShown);
        EXPECT_TRUE(apart) << "side by side inside the window";
        EXPECT_EQ(captions, (QStringList{ResString(4003), ResString(4004), ResString(4002)}));
    }
    // A two-button box shows no third one, and its second button is still No.
    bool noShown = true;
    whenBoxIsUp([&](frmMessageBox* box) {
        noShown = button(box, "btnNo")->isVisible();
        button(box, "btnCancel")->click();
    });
    EXPECT_FALSE(MessBox(QStringLiteral("x"), QString(), 2, 0));
    EXPECT_FALSE(noShown);
}

TEST_F(MessageBoxWindow, TheCloseBoxAnswersFalseAndEscapeDoesNothing) {
    whenBoxIsUp([](frmMessageBox* box) { box->close(); });
    EXPECT_FALSE(MessBox(QStringLiteral("x"), QString(), 0, 1));

    bool stillUp = false;
    whenBoxIsUp([&](frmMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        stillUp = box->isVisible();
        button(box, "btnOk")->click();
    });
    EXPECT_TRUE(MessBox(QStringLiteral("x"), QString(), 0, 0));
    EXPECT_TRUE(stillUp);

    whenBoxIsUp([](frmMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_TRUE(MessBox(QStringLiteral("x"), QString(), 0, 0)) << "Enter presses the first button";
}

TEST_F(MessageBoxWindow, EveryMessageGetsAFreshWindow) {
    QString title;
    int icon = -1;
    QRect ok;
    int width = 0;
    whenBoxIsUp([&](frmMessageBox* box) { button(box, "btnCancel")->click(); });
    MessBox(QStringLiteral("prima"), QStringLiteral("Titolo"), 2, 0);
    whenBoxIsUp([&](frmMessageBox* box) {
        title = box->windowTitle();
        icon = box->IconKind();
        ok = button(box, "btnOk")->geometry();
        width = box->width();
        EXPECT_FALSE(button(box, "btnCancel")->isVisible());
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("lblMessage"))->text(),
                  QStringLiteral("seconda"));
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("lblMessage"))->alignment(),
                  Qt::AlignCenter);
        button(box, "btnOk")->click();
    });
    EXPECT_TRUE(MessBox(QStringLiteral("seconda"), QString(), 1, 1));
    EXPECT_EQ(title, ResString(3));
    EXPECT_EQ(icon, 1);
    EXPECT_EQ(ok.left(), width / 2 - ok.width() / 2) << "a single button stands in the centre";
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](QWidget* w) {
        return qobject_cast<frmMessageBox*>(w);
    })) << "the window is unloaded after each message";
}

TEST_F(MessageBoxWindow, QuestionsLookLikeQuestionsAndFailuresLikeFailures) {
    struct Case {
        int iconKind;
        QStyle::StandardPixmap picture;
        const char* italian;
        const char* english;
    };
    const Case cases[] = {
        {-1, QStyle::SP_MessageBoxCritical, "Errore", "Error"},
        {0, QStyle::SP_MessageBoxCritical, "Errore", "Error"},
        {1, QStyle::SP_MessageBoxWarning, "Attenzione", "Warning"},
        {2, QStyle::SP_MessageBoxQuestion, "Domanda", "Question"},
    };
    for (const int language : {0, 1}) {
        SetLanguage(language);
        for (const Case& c : cases) {
            QImage shown, expected;
            QString title;
            whenBoxIsUp([&](frmMessageBox* box) {
                const QPixmap pixmap =
                    box->findChild<QLabel*>(QStringLiteral("imgIcona"))->pixmap();
                shown = pixmap.toImage();
                const int size =
                    box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
                expected = box->style()
                               ->standardIcon(c.picture, nullptr, box)
                               .pixmap(size, size)
                               .toImage();
                title = box->windowTitle();
                button(box, "btnOk")->click();
            });
            MessBox(QStringLiteral("?"), QString(), c.iconKind, 0);
            EXPECT_FALSE(shown.isNull());
            EXPECT_EQ(shown, expected) << c.iconKind;
            EXPECT_EQ(title, QString::fromUtf8(language ? c.english : c.italian)) << c.iconKind;
        }
    }
}
