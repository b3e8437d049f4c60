// The block download and a data set that was never saved: the question comes before the
// instrument is read, against the emulated instrument behind a fake port.
#include "core/language.h"
#include "data/dataset.h"
#include "data/upload/tressil_download.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "tests/support/fake_serial_port.h"
#include "tests/support/kl720_fake_link.h"
#include "tests/support/kl720_instrument.h"
#include "tests/support/language_scope.h"
#include "tests/support/link_reset.h"
#include "tests/support/strict_ui.h"
#include "tests/support/virtual_time.h"
#include "text/date_math.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {
class BlockDownloadUnsaved : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenFakeInstrumentLink(time, instrument, port));
        instrument.tressil.enabled = true;
        instrument.tressil.SendTwice({TressilMemory::Block(1, NaiveDateTime(2026, 12, 9, 10, 0, 0),
                                                           {{10, 0, 0, 0}, {11, 0, 0, 0}})});
    }
    void TearDown() override {
        ResetLinkForTests();
        ReplaceCurrentData(DataSet());
    }
    // A downloaded data set, never saved.
    static void unsavedDataSet() {
        DataSet data;
        data.DataPresent = true;
        data.DataSaved = false;
        data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
        data.StopDate = NaiveDateTime(2026, 12, 9, 7, 44, 52);
        data.SampleStep = 5;
        data.SampleStepUnit = QStringLiteral("s");
        data.NumSamples = 1;
        data.DataX = data.DataY = data.DataZ = {0, 7};
        data.DataRes = {0, 12.12};
        data.DataSourceName = QStringLiteral("Upload");
        ReplaceCurrentData(std::move(data));
    }
    int questions() const { return ui.MessagesSaying(ResString(31)); }

    StrictUi ui;
    LanguageScope language;
    VirtualTime time;
    FakeSerialPort* port = nullptr;
    Kl720Instrument instrument;
    QTemporaryDir dir;
};

TEST_F(BlockDownloadUnsaved, TheQuestionComesBeforeTheInstrumentIsRead) {
    const QString saved = QDir(dir.path()).filePath(QStringLiteral("kept.log"));
    const struct {
        const char* what;
        std::deque<bool> answers;
        std::deque<FileDialogResult> saveDialogs;
        bool downloads;
    } cases[] = {
        {"no: the download goes on", {false}, {}, true},
        {"yes: saved first, then the download", {true}, {{true, saved, 0}}, true},
        {"yes, then the save dialog cancelled: nothing read", {true}, {FileDialogResult{}}, false},
    };
    for (const auto& c : cases) {
        unsavedDataSet();
        instrument.tressil.eRequests = instrument.tressil.hRequests = 0;
        ui.messageCalls.clear();
        ui.messageAnswers = c.answers;
        ui.saveAnswers = c.saveDialogs;
        EXPECT_EQ(DownloadTressilData(), c.downloads) << c.what;
        EXPECT_EQ(questions(), 1) << c.what;
        EXPECT_EQ(ui.messageCalls.size(), 1) << c.what << ": no other message";
        EXPECT_EQ(instrument.tressil.eRequests, c.downloads ? 1 : 0) << c.what;
        EXPECT_EQ(CurrentData().DataSourceName,
                  c.downloads ? QStringLiteral("Tressil") : QStringLiteral("Upload"))
            << c.what;
        EXPECT_EQ(CurrentData().NumSamples, c.downloads ? 2 : 1) << c.what;
    }
    EXPECT_TRUE(QFile::exists(saved));
}

TEST_F(BlockDownloadUnsaved, ASavedDataSetIsReplacedWithoutAQuestion) {
    unsavedDataSet();
    CurrentData().DataSaved = true;
    EXPECT_TRUE(DownloadTressilData());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("Tressil"));
}
} // namespace
