#include "core/language.h"
#include "tests/shell/dialogs/id_code_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

namespace {
const QString DesignShort = QStringLiteral("1234567890123456");
const QString DesignLong = QStringLiteral("123456789012345678901234567890123456789012345678");

// Each character as the key press that carries it.
void typeInto(QWidget* box, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == u'"' ? Qt::Key_QuoteDbl : Qt::Key_unknown,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

TEST_F(IdCodeTest, OpensWithTheInstrumentsTextsTrimmedAndKeepsThemPadded) {
    instrument.idShort = QByteArray("  SN 0042").leftJustified(16, ' ');
    instrument.idLong = QByteArray(" Roof  station ").leftJustified(48, ' ');
    frmIDCode& dialog = open();
    EXPECT_EQ(writesOf(7), 1);
    EXPECT_EQ(shown(dialog),
              (QStringList{QStringLiteral("SN 0042"), QStringLiteral("Roof  station")}));
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("SN 0042").leftJustified(16));
    EXPECT_EQ(CurrentData().IDLong, QStringLiteral("Roof  station").leftJustified(48));
    EXPECT_EQ(dialog.windowTitle(), ResString(3820));
    EXPECT_EQ(dialog.btnWriteID->accessibleName(), QStringLiteral("Write"));
}

// Nothing read: the design digit strings stay, at load and after a failed re-read too.
TEST_F(IdCodeTest, ASilentInstrumentLeavesWhatTheBoxesShowed) {
    CurrentData().IDShort = QStringLiteral("FROM FILE").leftJustified(16);
    instrument.SetFault(Kl720Instrument::Fault::Silence);
    frmIDCode& dialog = open();
    EXPECT_EQ(shown(dialog), (QStringList{DesignShort, DesignLong}));
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("FROM FILE").leftJustified(16));

    instrument.SetFault(Kl720Instrument::Fault::None);
    dialog.btnReadID->click();
    EXPECT_EQ(shown(dialog),
              (QStringList{QStringLiteral("KL720-TEST"), QStringLiteral("EMULATED INSTRUMENT")}));
    dialog.txtIDShort->setText(QStringLiteral("typed"));
    instrument.SetFault(Kl720Instrument::Fault::Silence);
    dialog.btnReadID->click();
    EXPECT_EQ(dialog.txtIDShort->text(), QStringLiteral("typed"));
}

// The widths: a text at its width goes out, one character more is refused with the length
// message and nothing is sent; an empty text goes out as blanks.
TEST_F(IdCodeTest, TextsLongerThanTheirFieldsAreRefusedBeforeAnythingIsSent) {
    const struct {
        QString idShort;
        QString idLong;
        QString message; // "" when written
    } cases[] = {
        {QString(16, u'S'), QString(48, u'L'), QString()},
        {QString(17, u'S'), QString(48, u'L'),
         QStringLiteral("The text entered is too long (Max 16)")},
        {QString(16, u'S'), QString(49, u'L'),
         QStringLiteral("The text entered is too long (Max 48)")},
        {QString(17, u'S'), QString(49, u'L'),
         QStringLiteral("The text entered is too long (Max 16)")},
        {QStringLiteral("A"), QString(), QString()},
    };
    frmIDCode& dialog = open();
    for (const auto& c : cases) {
        ui.messageCalls.clear();
        instrument.idShort = QByteArray(16, '-');
        instrument.idLong = QByteArray(48, '-');
        const int writes = writesOf(8);
        dialog.txtIDShort->setText(c.idShort);
        dialog.txtIDLong->setText(c.idLong);
        dialog.btnWriteID->click();
        if (c.message.isEmpty()) {
            EXPECT_EQ(writesOf(8), writes + 1);
            EXPECT_TRUE(ui.messageCalls.isEmpty());
            EXPECT_EQ(instrument.idShort, c.idShort.toLatin1().leftJustified(16, ' '));
            EXPECT_EQ(instrument.idLong, c.idLong.toLatin1().leftJustified(48, ' '));
            EXPECT_EQ(CurrentData().IDLong, c.idLong.leftJustified(48));
        } else {
            EXPECT_EQ(writesOf(8), writes) << c.message.toStdString();
            ASSERT_EQ(ui.messageCalls.size(), 1);
            EXPECT_EQ(ui.messageCalls[0].message, c.message);
            EXPECT_EQ(ui.messageCalls[0].iconKind, 0);
            EXPECT_EQ(ui.messageCalls[0].buttonKind, 1);
            EXPECT_EQ(instrument.idShort, QByteArray(16, '-'));
        }
    }
}

// Line feeds, carriage returns and quote marks never get into the boxes, typed or pasted;
// pasted text loses its other control characters too. Enter writes nothing and closes
// nothing.
TEST_F(IdCodeTest, TheBoxesKeepNoQuoteOrControlCharacterTypedOrPasted) {
    frmIDCode& dialog = open();
    dialog.show();
    const struct {
        const char* name;
        bool paste;
        QString input;
        QString kept;
    } cases[] = {
        {"typed quote", false, QStringLiteral("ab\"c"), QStringLiteral("abc")},
        {"typed line feed", false, QStringLiteral("ab\nc\r"), QStringLiteral("abc")},
        {"typed accents", false, QStringLiteral("è µ'x"), QStringLiteral("è µ'x")},
        {"pasted lines", true, QStringLiteral("x\r\ny\"z\tw\x01v"), QStringLiteral("xyzwv")},
        {"pasted quotes only", true, QStringLiteral("\"\""), QString()},
    };
    for (QLineEdit* box : {dialog.txtIDShort, dialog.txtIDLong}) {
        for (const auto& c : cases) {
            box->clear();
            box->setFocus();
            if (c.paste) {
                QGuiApplication::clipboard()->setText(c.input);
                box->paste();
            } else {
                typeInto(box, c.input);
            }
            EXPECT_EQ(box->text(), c.kept) << c.name;
        }
        box->setText(QStringLiteral("ab"));
        box->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("\"X\""));
        box->paste();
        EXPECT_EQ(box->text(), QStringLiteral("aXb"));
        EXPECT_EQ(box->cursorPosition(), 2);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        EXPECT_EQ(box->text(), QStringLiteral("aXb"));
    }
    EXPECT_EQ(writesOf(8), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(IdCodeTest, AWriteRefreshesThePaneWithTheNewTexts) {
    frmIDCode& dialog = open();
    const int updates = infoUpdates;
    dialog.txtIDShort->setText(QStringLiteral("ROOF-2"));
    dialog.txtIDLong->setText(QStringLiteral("North roof"));
    dialog.btnWriteID->click();
    EXPECT_EQ(infoUpdates, updates + 1);
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("ROOF-2").leftJustified(16));
    EXPECT_EQ(instrument.idLong, QByteArray("North roof").leftJustified(48, ' '));
    EXPECT_EQ(dialog.result(), 0) << "the dialog stays open";
}

// The write failed: the boxes, the data set and the pane go back to the texts the
// instrument was last known to hold.
TEST_F(IdCodeTest, AFailedWritePutsThePreviousTextsBack) {
    frmIDCode& dialog = open();
    const QString oldShort = CurrentData().IDShort;
    const QString oldLong = CurrentData().IDLong;
    ASSERT_EQ(oldShort, QStringLiteral("KL720-TEST").leftJustified(16));
    dialog.txtIDShort->setText(QStringLiteral("NEW"));
    dialog.txtIDLong->setText(QStringLiteral("new long"));
    QStringList paneShowed;
    events.On(&ProgramEvents::InfoChanged, [&] { paneShowed << CurrentData().IDShort; });
    instrument.SetFault(Kl720Instrument::Fault::ErrorReply, 1);
    dialog.btnWriteID->click();
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(18));
    EXPECT_EQ(shown(dialog),
              (QStringList{QStringLiteral("KL720-TEST"), QStringLiteral("EMULATED INSTRUMENT")}));
    EXPECT_EQ(CurrentData().IDShort, oldShort);
    EXPECT_EQ(CurrentData().IDLong, oldLong);
    EXPECT_EQ(paneShowed, QStringList{oldShort});
}

TEST_F(IdCodeTest, CancelCloses) {
    frmIDCode& dialog = open();
    dialog.show();
    dialog.btnCancel->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(writesOf(8), 0);
}
} // namespace
