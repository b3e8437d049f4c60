// The identification dialog over the real serial layer, against the emulated instrument on
// a pseudo-terminal: the texts written from the dialog are what a new dialog reads back.
#include "core/language.h"
#include "data/dataset.h"
#include "data/upload/upload_data.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/link_hooks.h"
#include "platform/serial/qt_serial_port.h"
#include "shell/dialogs/frm_id_code.h"
#include "tests/link/link_fixture.h"
#include "tests/support/kl720_pty.h"
#include "tests/support/strict_ui.h"
#include "views/windows/single_window.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
class IdCodePtyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCommState();
        ReplaceCurrentData(DataSet());
        ASSERT_TRUE(server.IsRunning());
        server.ExportAsComPort(1);
        InstallSeriale(std::make_unique<QtSerialPort>());
        LinkReplyHook() = LinkReplyHooks();
        RegisterDataReplyHandlers();
        ASSERT_TRUE(OpenCommPort(1));
        ui.messageAnswers = {true};
        ASSERT_TRUE(InitCommunication());
    }
    void TearDown() override {
        Window<frmIDCode>().Unload();
        StopLinkTimers();
        InstallSeriale(nullptr);
        LinkReplyHook() = LinkReplyHooks();
        ReplaceCurrentData(DataSet());
        ResetCommState();
    }
    QByteArray held() {
        return server.With([](Kl720Instrument& k) { return k.idShort + k.idLong; });
    }

    EnglishTexts texts;
    StrictUi ui;
    Kl720PtyServer server;
};

TEST_F(IdCodePtyTest, WritesTheIdentificationAndReadsItBack) {
    server.With([](Kl720Instrument& k) {
        k.idShort = QByteArray("  SN 0042").leftJustified(16, ' ');
        k.idLong = QByteArray("Roof station").leftJustified(48, ' ');
    });
    {
        frmIDCode& dialog = Window<frmIDCode>().Load();
        EXPECT_EQ(dialog.txtIDShort->text(), QStringLiteral("SN 0042"));
        EXPECT_EQ(dialog.txtIDLong->text(), QStringLiteral("Roof station"));
        dialog.txtIDShort->setText(QString(16, u'7'));
        dialog.txtIDLong->setText(QStringLiteral("Torre nord, quota 12 m"));
        dialog.btnWriteID->click();
        EXPECT_EQ(ui.messageCalls.size(), 1) << "the connect question only";
        Window<frmIDCode>().Unload();
    }
    EXPECT_EQ(held(),
              QByteArray(16, '7') + QByteArray("Torre nord, quota 12 m").leftJustified(48, ' '));

    ReplaceCurrentData(DataSet());
    frmIDCode& again = Window<frmIDCode>().Load();
    EXPECT_EQ(again.txtIDShort->text(), QString(16, u'7'));
    EXPECT_EQ(again.txtIDLong->text(), QStringLiteral("Torre nord, quota 12 m"));
    EXPECT_EQ(CurrentData().IDLong, QStringLiteral("Torre nord, quota 12 m").leftJustified(48));

    // An empty long text goes out as blanks and reads back empty.
    again.txtIDLong->clear();
    again.btnWriteID->click();
    EXPECT_EQ(held().mid(16), QByteArray(48, ' '));
    again.btnReadID->click();
    EXPECT_EQ(again.txtIDLong->text(), QString());
    EXPECT_TRUE(CommState().Connected);
}
} // namespace
