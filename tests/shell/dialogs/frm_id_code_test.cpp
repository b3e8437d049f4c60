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
        // The instrument's code page holds "€" and "è", not "Ω", "ł" or an emoji.
        {"typed beyond the code page", false, QStringLiteral("aΩb€łè"), QStringLiteral("ab€è")},
        {"pasted beyond the code page", true, QStringLiteral("x\U0001F600y\u4E2Dz"),
         QStringLiteral("xyz")},
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

// The write was not confirmed: the data set and the pane keep the texts they had, the boxes
// keep what the user typed for another try, and the message claims nothing it cannot know.
TEST_F(IdCodeTest, AnUnconfirmedWriteKeepsTheTypedTextsAndTheDataSetsOwn) {
    frmIDCode& dialog = open();
    const QString oldShort = CurrentData().IDShort;
    const QString oldLong = CurrentData().IDLong;
    ASSERT_EQ(oldShort, QStringLiteral("KL720-TEST").leftJustified(16));
    QStringList paneShowed;
    events.On(&ProgramEvents::InfoChanged, [&] { paneShowed << CurrentData().IDShort; });
    for (Kl720Instrument::Fault fault :
         {Kl720Instrument::Fault::ErrorReply, Kl720Instrument::Fault::Silence}) {
        ui.messageCalls.clear();
        paneShowed.clear();
        dialog.txtIDShort->setText(QStringLiteral("NEW"));
        dialog.txtIDLong->setText(QStringLiteral("new long"));
        instrument.SetFault(fault, 1, 8);
        dialog.btnWriteID->click();
        ASSERT_EQ(ui.messageCalls.size(), 1);
        EXPECT_EQ(ui.messageCalls[0].message, ResString(3833));
        EXPECT_EQ(shown(dialog), (QStringList{QStringLiteral("NEW"), QStringLiteral("new long")}));
        EXPECT_EQ(CurrentData().IDShort, oldShort);
        EXPECT_EQ(CurrentData().IDLong, oldLong);
        EXPECT_EQ(paneShowed, QStringList{oldShort});
        time.Block(10000);
    }
    // The next try goes out with what the boxes kept.
    dialog.btnWriteID->click();
    EXPECT_EQ(instrument.idShort, QByteArray("NEW").leftJustified(16, ' '));
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("NEW").leftJustified(16));
}

// A loaded session keeps the identification it was recorded with: reading the
// instrument's for the dialog changes neither the data set nor the pane; only a write the
// instrument confirmed gives the data set the new texts.
TEST_F(IdCodeTest, ReadingTheInstrumentsTextsLeavesALoadedSessionsOwn) {
    DataSet loaded;
    loaded.DataPresent = true;
    loaded.IDShort = QStringLiteral("FROM FILE").leftJustified(16);
    loaded.IDLong = QStringLiteral("Recorded on the roof").leftJustified(48);
    ReplaceCurrentData(std::move(loaded));
    const int updates = infoUpdates;
    frmIDCode& dialog = open();
    dialog.btnReadID->click();
    EXPECT_EQ(shown(dialog),
              (QStringList{QStringLiteral("KL720-TEST"), QStringLiteral("EMULATED INSTRUMENT")}));
    EXPECT_EQ(CommState().IdShort, QStringLiteral("KL720-TEST").leftJustified(16));
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("FROM FILE").leftJustified(16));
    EXPECT_EQ(CurrentData().IDLong, QStringLiteral("Recorded on the roof").leftJustified(48));
    EXPECT_EQ(infoUpdates, updates);

    dialog.txtIDShort->setText(QStringLiteral("RELABELLED"));
    dialog.btnWriteID->click();
    EXPECT_EQ(CurrentData().IDShort, QStringLiteral("RELABELLED").leftJustified(16));
    EXPECT_EQ(CommState().IdShort, QStringLiteral("RELABELLED").leftJustified(16));
}

TEST_F(IdCodeTest, CancelCloses) {
    frmIDCode& dialog = open();
    dialog.show();
    dialog.btnCancel->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(writesOf(8), 0);
}
} // namespace
