#include "core/language.h"
#include "tests/support/fake_ui.h"
#include "tests/support/scratch_folder.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
// A table of our own in a scratch program folder, so that the wording of the shipped
// texts never matters here.
class LanguageLookup : public ::testing::Test {
protected:
    void SetUp() override {
        FreeResLibrary();
        Language().ResOffset = 0;
        writeTable("0\tzero\tzero-en\n"
                   "2\tInformazione\tInformation\n"
                   "3010\tPorta\tPort\n"
                   "3011\tCancella\tClear\n"
                   "4100\t&File\t&File-en\n"
                   "4200\tScheda uno\tTab one\n"
                   "4201\tScheda due\tTab two\n"
                   "4300\triga\\tcon\\\\tab\\nnuova\tline\n" +
                   QByteArray("4400\t") + QByteArray(1500, 'x') + "\tlong\n");
    }
    void TearDown() override {
        FreeResLibrary();
        Language().ResOffset = 0;
    }
    void writeTable(const QByteArray& bytes) {
        QFile file(folder.File(QStringLiteral("Language.dll")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    ScratchProgramFolder folder;
    FakeUi ui;
};
} // namespace

TEST_F(LanguageLookup, TextsComeFromIdPlusTheLanguageOffset) {
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
    EXPECT_EQ(ResString(4100), QStringLiteral("&File"));
    SetLanguage(1);
    EXPECT_EQ(Language().ResOffset, 5000);
    EXPECT_EQ(ResString(4100), QStringLiteral("&File-en"));
    EXPECT_EQ(ResString(-900), QStringLiteral("&File")) << "4100 reached from the English side";
    EXPECT_EQ(ResString(1234), QString());
    EXPECT_EQ(ResString(4300), QStringLiteral("line"));
    SetLanguage(0);
    EXPECT_EQ(ResString(4300), QStringLiteral("riga\tcon\\tab\nnuova"));
    EXPECT_TRUE(ui.standardCalls.isEmpty());
}

TEST_F(LanguageLookup, LongTextsAreCutTo1023Characters) {
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
    EXPECT_EQ(ResString(4400), QString(1023, u'x'));
}

TEST_F(LanguageLookup, SixteenBitOverflowIsReportedAndChangesNothing) {
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
    SetLanguage(1);
    SetLanguage(7); // 35000 does not fit 16 bits
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : SetLanguage\r\n")));
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("Error Number     : 6\r\n")));
    EXPECT_EQ(Language().ResOffset, 5000);

    SetLanguage(6); // 30000 fits, but 30000 + 4100 does not
    EXPECT_EQ(Language().ResOffset, 30000);
    EXPECT_EQ(ResString(4100), QString());
    ASSERT_EQ(ui.standardCalls.size(), 2);
    EXPECT_TRUE(
        ui.standardCalls[1].text.contains(QStringLiteral("Error Raised by  : ResString\r\n")));

    SetLanguage(-6);
    EXPECT_EQ(Language().ResOffset, -30000);
    EXPECT_EQ(ui.standardCalls.size(), 2);
}

TEST_F(LanguageLookup, LoadingFailsForAMissingOrMalformedTable) {
    EXPECT_FALSE(InitLibrary(QStringLiteral("Other.dll")));
    EXPECT_FALSE(Language().Loaded);
    writeTable("2\tsolo italiano\n");
    EXPECT_FALSE(InitLibrary(QStringLiteral("Language.dll")));
    writeTable("5000\tfuori\tout of range\n");
    EXPECT_FALSE(InitLibrary(QStringLiteral("Language.dll")));
    EXPECT_TRUE(ui.standardCalls.isEmpty()) << "a failed load is the caller's to report";
}

TEST_F(LanguageLookup, FreeingTwiceIsHarmlessAndLeavesNoTexts) {
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll"))) << "a second load replaces the first";
    FreeResLibrary();
    FreeResLibrary();
    EXPECT_FALSE(Language().Loaded);
    EXPECT_EQ(ResString(2), QString());
}

TEST_F(LanguageLookup, SetUpFormFillsTaggedWidgetsByKind) {
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
    SetLanguage(1);
    QWidget form;
    form.setWindowTitle(QStringLiteral("design"));
    SetTextId(&form, 2);
    auto* label = new QLabel(QStringLiteral("design"), &form);
    SetTextId(label, QStringLiteral(" 3010"));
    auto* untagged = new QLabel(QStringLiteral("kept"), &form);
    auto* edit = new QLineEdit(&form);
    SetTextId(edit, 3011);
    auto* button = new QPushButton(&form);
    SetTextId(button, QStringLiteral("30 10"));
    auto* check = new QCheckBox(&form);
    SetTextId(check, QStringLiteral("3010abc"));
    auto* radio = new QRadioButton(&form);
    SetTextId(radio, QStringLiteral("nothing"));
    auto* frame = new QGroupBox(&form);
    SetTextId(frame, QStringLiteral("3010.4"));
    auto* tabs = new QTabWidget(&form);
    SetTextId(tabs, 1);
    auto* first = new QWidget;
    SetTextId(first, 4200);
    tabs->addTab(first, QStringLiteral("a"));
    tabs->addTab(new QWidget, QStringLiteral("b")); // no id: the text of id 0
    auto* plainTabs = new QTabWidget(&form);        // no id of its own: keeps its captions
    auto* page = new QWidget;
    SetTextId(page, 4201);
    plainTabs->addTab(page, QStringLiteral("kept tab"));

    SetUpForm(&form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(label->text(), QStringLiteral("Port"));
    EXPECT_EQ(untagged->text(), QStringLiteral("kept"));
    EXPECT_EQ(edit->text(), QStringLiteral("Clear"));
    EXPECT_EQ(button->text(), QStringLiteral("Port")) << "blanks inside a number are skipped";
    EXPECT_EQ(check->text(), QStringLiteral("Port")) << "the leading number counts";
    EXPECT_EQ(radio->text(), QStringLiteral("zero-en")) << "a tag that is no number is id 0";
    EXPECT_EQ(frame->title(), QStringLiteral("Port"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Tab one"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("zero-en"));
    EXPECT_EQ(plainTabs->tabText(0), QStringLiteral("kept tab"));
    EXPECT_TRUE(ui.standardCalls.isEmpty());
}

TEST_F(LanguageLookup, ATagBeyond16BitsEndsSetUpFormWithAReport) {
    ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
    QWidget form;
    auto* label = new QLabel(QStringLiteral("design"), &form);
    SetTextId(label, QStringLiteral("40000"));
    SetUpForm(&form);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : SetUpForm\r\n")));
    EXPECT_EQ(label->text(), QStringLiteral("design"));
}

TEST(Formatta, PadsOnTheLeftAndNeverCuts) {
    struct Case {
        const char* text;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {"ab", 5, "   ab"}, {"abcdef", 3, "abcdef"}, {"", 0, ""},
        {"", 2, "  "},      {"abc", 3, "abc"},       {"abc", -4, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Formatta(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.expected))
            << c.text << " " << c.width;
}
