// The docked information pane opens wide enough to show every caption and value whole.
#include "core/options.h"
#include "data/dataset.h"
#include "link/comm_state.h"
#include "shell/main/frm_main.h"
#include "shell/main/main_hooks.h"
#include "shell/panes/frm_info.h"
#include "shell/panes/update_info.h"
#include "shell/wiring/wire_main_window.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace {
class InfoPaneWidth : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        savedOptions_ = Options();
        savedData_ = CurrentData();
        savedComm_ = CommState();
        SetDefaultOptions(Options());
        Options().InfoPaneVisible = Options().InfoPaneDocked = true;
        RegisterMainWindow();
    }
    void TearDown() override {
        UnloadMainWindow();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindowHook() = MainWindowHooks();
        CurrentData() = savedData_;
        CommState() = savedComm_;
        Options() = savedOptions_;
    }

    // A data set whose every figure is as long as the pane shows them: full-length
    // identification texts, two-digit days and months, four-digit field values.
    static DataSet longValues() {
        DataSet d;
        d.DataPresent = true;
        d.IDShort = QStringLiteral("KL720-ROOF-N0099");
        d.IDLong = QStringLiteral("STAZIONE DI MISURA TETTO NORD EDIFICIO 12 - 2026");
        d.StartDate = NaiveDateTime(2026, 12, 28, 23, 58, 48);
        d.SampleStep = 15;
        d.IntervalMultiplier = 1;
        d.SampleStepUnit = QStringLiteral("n");
        d.NumSamples = 9362;
        d.DataEndDate = NaiveDateTime(2027, 11, 30, 22, 48, 58);
        d.ResMin = 1234.56f;
        d.ResMax = 1999.99f;
        d.ResMean = 1588.88f;
        d.MedianValue = 1444.44;
        d.StatisticsPresent = d.MedianPresent = true;
        d.DataSourceName = QStringLiteral("File Centralina");
        return d;
    }

    // A single-line label shows its text whole when it is at least as wide as it asks for;
    // a wrapping one when its widest word fits.
    static void expectReadable(const QLabel* label) {
        const QString text = label->text();
        if (text.isEmpty())
            return;
        const QFontMetrics fm(label->font());
        const int room = label->contentsRect().width() - 2 * label->margin();
        int needed = fm.horizontalAdvance(text);
        if (label->wordWrap()) {
            needed = 0;
            for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
                needed = std::max(needed, fm.horizontalAdvance(word));
        }
        EXPECT_GE(room, needed) << label->objectName().toStdString() << ": \"" << text.toStdString()
                                << "\" in " << room << " px";
    }

private:
    OptionsRecord savedOptions_;
    DataSet savedData_;
    CommunicationState savedComm_;
};
} // namespace

TEST_P(InfoPaneWidth, EveryCaptionAndValueIsReadableAtTheOpeningWidth) {
    LanguageScope language(GetParam());
    for (int monitorState : {1, 0, -1}) {
        SCOPED_TRACE(monitorState);
        CurrentData() = longValues();
        CommState().MonitorState = monitorState;
        CommState().Connected = monitorState != 0;
        frmMain& main = MainWindow();
        main.show();
        UpdateInfo();
        QApplication::processEvents();
        QWidget* pane = main.InfoPane();
        ASSERT_TRUE(pane->isVisible());
        const QList<QLabel*> labels = pane->findChildren<QLabel*>();
        ASSERT_GE(labels.size(), 26);
        for (const QLabel* label : labels)
            expectReadable(label);
        UnloadMainWindow();
    }
}

TEST_P(InfoPaneWidth, ThePaneNeverOpensNarrowerThanItsDesignWidth) {
    LanguageScope language(GetParam());
    frmMain& main = MainWindow();
    main.show();
    QApplication::processEvents();
    // 2355 twips at 96 dots per inch, less the sizer's gap of the docking edge.
    EXPECT_GE(main.InfoPane()->width(), 157 - 6);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, InfoPaneWidth, ::testing::Values(0, 1));
