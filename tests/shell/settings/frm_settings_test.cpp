#include "platform/bgr_color.h"
#include "shell/settings/color_box.h"
#include "tests/shell/settings/settings_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {
using Dialog = frmSettings;
class SettingsDialog : public SettingsFixture {};
} // namespace

TEST_F(SettingsDialog, LoadShowsEveryOptionInItsControl) {
    OptionsRecord& o = Options();
    o.Language = 1;
    o.ConnectOnStart = true;
    o.OpenSourceOnLoad = false;
    o.OpenGraphTeOnLoad = true;
    o.OpenGraphStOnLoad = true;
    o.ShowWarningsOnLoad = false;
    o.WarnOnDate = true;
    o.SeriesColor = {0x000001, 0x000002, 0x000003, 0x000004};
    o.GraphColor4 = 0x000005;
    o.GraphColor5 = 0x000006;
    o.GraphColor6 = 0x000007;
    o.ThresholdColor = 0x000008;
    o.Threshold = 0.5f;
    o.MemorySize = 32768;
    const auto d = open();

    EXPECT_EQ(d->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(d->tabOptions->currentIndex(), 0);
    EXPECT_EQ(d->tabOptions->tabText(2), QStringLiteral("Thresholds"));
    EXPECT_EQ(d->fmeOptions[1]->title(), QStringLiteral("Graph colours"));
    EXPECT_EQ(d->cboLanguage->currentText(), QStringLiteral("English"));
    EXPECT_TRUE(d->chkConnected->isChecked());
    EXPECT_FALSE(d->chkOnLoad[0]->isChecked());
    EXPECT_TRUE(d->chkOnLoad[1]->isChecked());
    EXPECT_TRUE(d->chkOnLoad[2]->isChecked());
    EXPECT_FALSE(d->chkWarnData->isChecked());
    EXPECT_TRUE(d->chkWarnOnDate->isChecked());
    for (int k = 0; k < ColorBoxCount; ++k)
        EXPECT_EQ(d->pctColor[static_cast<size_t>(k)]->Color(), static_cast<quint32>(k + 1));
    EXPECT_TRUE(d->optSoglia[1]->isChecked());
    EXPECT_FALSE(d->txtSoglia->isEnabled());
    EXPECT_EQ(d->cboMemorySize->currentText(), QStringLiteral("256Kbit"));
    EXPECT_EQ(d->cboMemorySize->currentData().toInt(), 32768);
    EXPECT_EQ(d->lblUnit->text(), QStringLiteral("(µT)"));
    EXPECT_EQ(d->lblMemoryNote->text(),
              QStringLiteral("Dimensione della memoria a bordo dell'KL720"));
}

TEST_F(SettingsDialog, OkWritesEachControlIntoItsOwnField) {
    struct Case {
        const char* control;
        std::function<void(OptionsRecord&)> before; // the stored options, when not the defaults
        std::function<void(Dialog&, FakeUi&)> act;
        std::function<void(OptionsRecord&)> expect;
    };
    const auto none = [](OptionsRecord&) {};
    const auto colour = [](int box) {
        return [box](Dialog& d, FakeUi& ui) {
            ui.colorAnswers.push_back(QColor(0x11 * (box + 1), 0x22, 0x33));
            d.pctColor[static_cast<size_t>(box)]->click();
        };
    };
    const auto colourValue = [](int box) {
        return 0x332200u | static_cast<quint32>(0x11 * (box + 1));
    };
    const std::vector<Case> cases = {
        {"cboLanguage", none,
         [](Dialog& d, FakeUi& ui) {
             ui.messageAnswers.push_back(false);
             d.cboLanguage->setCurrentIndex(1);
         },
         [](OptionsRecord& o) { o.Language = 1; }},
        {"chkConnected", none, [](Dialog& d, FakeUi&) { d.chkConnected->click(); },
         [](OptionsRecord& o) { o.ConnectOnStart = true; }},
        {"chkOnLoad(0)", none, [](Dialog& d, FakeUi&) { d.chkOnLoad[0]->click(); },
         [](OptionsRecord& o) { o.OpenSourceOnLoad = false; }},
        {"chkOnLoad(1)", none, [](Dialog& d, FakeUi&) { d.chkOnLoad[1]->click(); },
         [](OptionsRecord& o) { o.OpenGraphTeOnLoad = false; }},
        {"chkOnLoad(2)", none, [](Dialog& d, FakeUi&) { d.chkOnLoad[2]->click(); },
         [](OptionsRecord& o) { o.OpenGraphStOnLoad = true; }},
        {"chkWarnData", none, [](Dialog& d, FakeUi&) { d.chkWarnData->click(); },
         [](OptionsRecord& o) { o.ShowWarningsOnLoad = false; }},
        {"chkWarnOnDate", none, [](Dialog& d, FakeUi&) { d.chkWarnOnDate->click(); },
         [](OptionsRecord& o) { o.WarnOnDate = true; }},
        {"pctColor(0)", none, colour(0),
         [&](OptionsRecord& o) { o.SeriesColor[0] = colourValue(0); }},
        {"pctColor(1)", none, colour(1),
         [&](OptionsRecord& o) { o.SeriesColor[1] = colourValue(1); }},
        {"pctColor(2)", none, colour(2),
         [&](OptionsRecord& o) { o.SeriesColor[2] = colourValue(2); }},
        {"pctColor(3)", none, colour(3),
         [&](OptionsRecord& o) { o.SeriesColor[3] = colourValue(3); }},
        {"pctColor(4)", none, colour(4), [&](OptionsRecord& o) { o.GraphColor4 = colourValue(4); }},
        {"pctColor(5)", none, colour(5), [&](OptionsRecord& o) { o.GraphColor5 = colourValue(5); }},
        {"pctColor(6)", none, colour(6), [&](OptionsRecord& o) { o.GraphColor6 = colourValue(6); }},
        {"pctColor(7)", none, colour(7),
         [&](OptionsRecord& o) { o.ThresholdColor = colourValue(7); }},
        {"optSoglia(0)", [](OptionsRecord& o) { o.Threshold = 100.0f; },
         [](Dialog& d, FakeUi&) { d.optSoglia[0]->click(); },
         [](OptionsRecord& o) { o.Threshold = 0.2f; }},
        {"optSoglia(1)", none, [](Dialog& d, FakeUi&) { d.optSoglia[1]->click(); },
         [](OptionsRecord& o) { o.Threshold = 0.5f; }},
        {"optSoglia(2)", none, [](Dialog& d, FakeUi&) { d.optSoglia[2]->click(); },
         [](OptionsRecord& o) { o.Threshold = 100.0f; }},
        {"optSoglia(3) + txtSoglia", none,
         [](Dialog& d, FakeUi&) {
             d.optSoglia[3]->click();
             QTest::keyClicks(d.txtSoglia, QStringLiteral("12,5"));
         },
         [](OptionsRecord& o) { o.Threshold = 12.5f; }},
        {"optSoglia(3), empty", none, [](Dialog& d, FakeUi&) { d.optSoglia[3]->click(); },
         [](OptionsRecord& o) { o.Threshold = 0.0f; }},
        {"optSoglia(3), 250 not left", none,
         [](Dialog& d, FakeUi&) {
             d.optSoglia[3]->click();
             QTest::keyClicks(d.txtSoglia, QStringLiteral("250"));
         },
         [](OptionsRecord& o) { o.Threshold = 200.0f; }},
        {"cboMemorySize", none, [](Dialog& d, FakeUi&) { d.cboMemorySize->setCurrentIndex(0); },
         [](OptionsRecord& o) { o.MemorySize = 4096; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        SetDefaultOptions(Options());
        c.before(Options());
        OptionsRecord expected = Options();
        c.expect(expected);
        const auto d = open();
        c.act(*d, ui);
        d->btnOk->click();
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(OptionsToBytes(Options()), OptionsToBytes(expected));
        EXPECT_EQ(restarts, 0);
    }
}

TEST_F(SettingsDialog, CancelAndTheCloseBoxChangeNothing) {
    for (const bool closeBox : {false, true}) {
        Options().Threshold = 0.25f;
        const QByteArray before = OptionsToBytes(Options());
        const auto d = open();
        d->cboLanguage->setCurrentIndex(1);
        d->chkConnected->click();
        for (QCheckBox* box : d->chkOnLoad)
            box->click();
        d->chkWarnData->click();
        d->chkWarnOnDate->click();
        for (ColorBox* box : d->pctColor) {
            ui.colorAnswers.push_back(Qt::darkCyan);
            box->click();
        }
        QTest::keyClicks(d->txtSoglia, QStringLiteral("7"));
        d->cboMemorySize->setCurrentIndex(0);
        if (closeBox)
            d->close();
        else
            d->btnCancel->click();
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_EQ(OptionsToBytes(Options()), before);
        EXPECT_TRUE(ui.messageCalls.isEmpty());
    }
}

TEST_F(SettingsDialog, ColourBoxesOpenAtTheirColourAndStoreTheChoiceAsTheRecordKeepsIt) {
    Options().GraphColor4 = 0x0000FF; // red, as the record keeps it
    const auto d = open();
    ui.colorAnswers = {QColor(0x12, 0x34, 0x56)};
    d->pctColor[4]->click();
    ASSERT_EQ(ui.colorCalls.size(), 1);
    EXPECT_EQ(ui.colorCalls[0], QColor(Qt::red));
    EXPECT_EQ(d->pctColor[4]->Color(), 0x563412u);

    // A cancelled colour dialog leaves the box as it was.
    d->pctColor[4]->click();
    EXPECT_EQ(ui.colorCalls[1], QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(d->pctColor[4]->Color(), 0x563412u);

    d->btnOk->click();
    EXPECT_EQ(Options().GraphColor4, 0x563412u);
    EXPECT_EQ(static_cast<quint8>(OptionsToBytes(Options())[24]), 0x12); // red in the low byte
}

TEST_F(SettingsDialog, ThresholdFieldUnderItalianAndEnglishLocales) {
    struct Case {
        QLocale locale;
        const char* shown;   // a stored 0.25
        const char* typed;   // keys typed into the emptied field
        const char* display; // what the field then shows
        float stored;        // after OK
    };
    const Case cases[] = {
        {QLocale(QLocale::Italian, QLocale::Italy), "0,25", "1.5", "1,5", 1.5f},
        {QLocale(QLocale::Italian, QLocale::Italy), "0,25", "1,5", "1,5", 1.5f},
        {QLocale(QLocale::English, QLocale::UnitedStates), "0.25", "1,5", "1.5", 1.5f},
        {QLocale(QLocale::English, QLocale::UnitedStates), "0.25", "x2a.5b", "2.5", 2.5f},
        {QLocale(QLocale::Italian, QLocale::Italy), "0,25", "3,5,7", "3,57", 3.57f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        useLocale(c.locale);
        Options().Threshold = 0.25f;
        const auto d = open();
        EXPECT_TRUE(d->optSoglia[3]->isChecked());
        EXPECT_TRUE(d->txtSoglia->isEnabled());
        EXPECT_EQ(d->txtSoglia->text(), QString::fromUtf8(c.shown));
        // OK untouched keeps the value shown, in either locale.
        d->txtSoglia->clear();
        QTest::keyClicks(d->txtSoglia, QString::fromUtf8(c.typed));
        EXPECT_EQ(d->txtSoglia->text(), QString::fromUtf8(c.display));
        d->btnOk->click();
        EXPECT_FLOAT_EQ(Options().Threshold, c.stored);

        Options().Threshold = 0.25f;
        const auto untouched = open();
        untouched->btnOk->click();
        EXPECT_EQ(Options().Threshold, 0.25f);
    }
}

TEST_F(SettingsDialog, LeavingTheThresholdFieldBoundsItsValue) {
    useLocale(QLocale(QLocale::Italian, QLocale::Italy));
    const auto d = open();
    d->show();
    QApplication::setActiveWindow(d.get());
    d->tabOptions->setCurrentIndex(2);
    d->optSoglia[3]->click();
    d->txtSoglia->setFocus();
    QTest::keyClicks(d->txtSoglia, QStringLiteral("250"));
    d->optSoglia[3]->setFocus();
    EXPECT_EQ(d->txtSoglia->text(), QStringLiteral("200"));
    // Another option turns the field off; the custom one on again.
    d->optSoglia[0]->click();
    EXPECT_FALSE(d->txtSoglia->isEnabled());
    d->optSoglia[3]->click();
    EXPECT_TRUE(d->txtSoglia->isEnabled());
    d->close();
}

TEST_F(SettingsDialog, ANewLanguageOffersTheRestart) {
    struct Case {
        const char* what;
        quint8 stored;
        std::vector<int> picks; // language list indexes chosen in turn
        std::deque<bool> answers;
        int questions;
        int restartsWanted;
    };
    const Case cases[] = {
        {"English, No", 0, {1}, {false}, 1, 0},
        {"English, Yes", 0, {1}, {true}, 1, 1},
        {"Italiano, Yes", 1, {0}, {true}, 1, 1},
        {"unchanged", 0, {}, {}, 0, 0},
        {"changed and changed back", 0, {1, 0}, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        restarts = 0;
        ui.messageCalls.clear();
        ui.messageAnswers = c.answers;
        Options().Language = c.stored;
        const auto d = open();
        for (int pick : c.picks)
            d->cboLanguage->setCurrentIndex(pick);
        d->btnOk->click();
        EXPECT_EQ(d->result(), QDialog::Accepted);
        ASSERT_EQ(ui.messageCalls.size(), c.questions);
        if (c.questions) {
            const MessageBoxRequest& asked = ui.messageCalls[0];
            EXPECT_EQ(asked.message, ResString(29));
            EXPECT_EQ(asked.iconKind, 1);
            EXPECT_EQ(asked.buttonKind, 0);
        }
        EXPECT_EQ(restarts, c.restartsWanted);
        // The choice is stored either way: with No it takes effect at the next start.
        EXPECT_EQ(Options().Language, c.picks.empty() ? c.stored : c.picks.back());
    }
}

TEST_F(SettingsDialog, AStoredValueOutsideTheListsIsKeptUntilTheUserPicksOne) {
    Options().MemorySize = 12345;
    Options().Language = 9;
    auto d = open();
    EXPECT_EQ(d->cboMemorySize->currentIndex(), -1);
    EXPECT_EQ(d->cboLanguage->currentIndex(), -1);
    d->btnOk->click();
    EXPECT_EQ(Options().MemorySize, 12345);
    EXPECT_EQ(Options().Language, 9);
    EXPECT_TRUE(ui.messageCalls.isEmpty());

    d = open();
    d->cboMemorySize->setCurrentIndex(1);
    ui.messageAnswers = {false};
    d->cboLanguage->setCurrentIndex(0);
    d->btnOk->click();
    EXPECT_EQ(Options().MemorySize, 8192);
    EXPECT_EQ(Options().Language, 0);
    EXPECT_EQ(ui.messageCalls.size(), 1);
}

TEST_F(SettingsDialog, EveryControlHasItsCaptionAsAccessibleName) {
    const auto d = open();
    for (QWidget* w : d->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w);
        if (control && w->parentWidget() != d->cboLanguage && w->parentWidget() != d->cboMemorySize)
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_EQ(d->pctColor[4]->accessibleName(), d->lblColors[4]->text());
    EXPECT_EQ(d->cboMemorySize->accessibleName(), d->Label4->text());
}
