#include "data/files/unsaved_data.h"

#include "core/language.h"
#include "data/dataset.h"
#include "tests/data/files/files_test_support.h"
#include "tests/support/fake_ui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A downloaded data set never saved, the language table and the fake boxes.
class UnsavedData : public ::testing::Test {
protected:
    void SetUp() override {
        DataSet data = MakeDataSet({{1, 2, 3}, {4, 5, 6}});
        data.DataSaved = false;
        ReplaceCurrentData(std::move(data));
    }
    void TearDown() override { ReplaceCurrentData(DataSet()); }
    QString path(const char* name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }
    int questions() const {
        int n = 0;
        for (const MessageBoxRequest& r : ui.messageCalls)
            n += r.message == ResString(31) ? 1 : 0;
        return n;
    }

    QTemporaryDir dir;
    LanguageLoaded language;
    FakeUi ui;
};
} // namespace

TEST_F(UnsavedData, NoGoesOnWithoutSaving) {
    ui.choiceAnswers = {BoxAnswer::No};
    EXPECT_TRUE(MayReplaceCurrentData());
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 3) << "Yes, No and Cancel";
    EXPECT_EQ(ui.messageCalls[0].iconKind, 2) << "a question, not a failure";
    EXPECT_EQ(ui.messageCalls[0].title, ResString(4));
    EXPECT_TRUE(ui.saveCalls.isEmpty());
    EXPECT_FALSE(CurrentData().DataSaved);
}

TEST_F(UnsavedData, CancelKeepsTheDataSetAndShowsNoDialog) {
    ui.choiceAnswers = {BoxAnswer::Cancel};
    EXPECT_FALSE(MayReplaceCurrentData());
    EXPECT_EQ(questions(), 1);
    EXPECT_TRUE(ui.saveCalls.isEmpty());
    EXPECT_FALSE(CurrentData().DataSaved);
    EXPECT_EQ(CurrentData().NumSamples, 2);
}

TEST_F(UnsavedData, YesSavesThroughTheSaveDialogFirst) {
    ui.messageAnswers = {true};
    ui.saveAnswers = {{true, path("kept.log"), 0}};
    EXPECT_TRUE(MayReplaceCurrentData());
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_EQ(ui.saveCalls[0].title, ResString(3003));
    EXPECT_TRUE(QFile::exists(path("kept.log")));
    EXPECT_TRUE(CurrentData().DataSaved);
}

TEST_F(UnsavedData, ACancelledSaveDialogCancelsTheReplacement) {
    ui.messageAnswers = {true};
    ui.saveAnswers = {FileDialogResult{}};
    EXPECT_FALSE(MayReplaceCurrentData());
    EXPECT_FALSE(CurrentData().DataSaved);
    EXPECT_EQ(CurrentData().NumSamples, 2);
}

TEST_F(UnsavedData, AFailedSaveIsSaidAndKeepsTheDataSet) {
    ui.choiceAnswers = {BoxAnswer::Yes};
    ui.saveAnswers = {{true, path("no/such/folder/a.log"), 0}};
    EXPECT_FALSE(MayReplaceCurrentData());
    EXPECT_EQ(questions(), 1);
    // What the write met, then the failure notice.
    ASSERT_EQ(ui.messageCalls.size(), 3);
    EXPECT_TRUE(ui.messageCalls[1].message.startsWith(
        ResString(3704).arg(QDir::toNativeSeparators(path("no/such/folder/a.log")))));
    EXPECT_EQ(ui.messageCalls[2].message, ResString(8));
    EXPECT_FALSE(CurrentData().DataSaved);
    EXPECT_EQ(CurrentData().NumSamples, 2);
}

// Where the program ends whatever the answer there is no Cancel: the question comes again
// until the data set is saved or the user said No.
TEST_F(UnsavedData, WithoutCancelTheQuestionComesAgainUntilAnswered) {
    ui.messageAnswers = {true, true, true, false}; // Yes, Yes, the failure notice, No
    ui.saveAnswers = {FileDialogResult{}, {true, path("no/such/folder/a.log"), 0}};
    EXPECT_TRUE(OfferToSaveCurrentData([](const QString&) { return SaveOutcome::Failed; }, false));
    EXPECT_EQ(questions(), 3);
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 0) << "Yes and No only";
    EXPECT_EQ(ui.messageCalls[0].iconKind, 2);
    EXPECT_EQ(ui.saveCalls.size(), 2);
}

TEST_F(UnsavedData, ASavedOrEmptyDataSetAsksNothing) {
    CurrentData().DataSaved = true;
    EXPECT_TRUE(MayReplaceCurrentData());
    ReplaceCurrentData(DataSet());
    EXPECT_TRUE(MayReplaceCurrentData());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}
