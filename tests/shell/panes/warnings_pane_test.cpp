#include "core/language.h"
#include "data/dataset.h"
#include "data/warnings/generate_warnings.h"
#include "shell/panes/frm_warnings.h"
#include "tests/support/fake_ui.h"
#include "tests/support/language_scope.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {
class WarningsPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = new QWidget();
        host_->resize(800, 600);
        host_->show();
        pane = LoadWarningsPane(host_);
        ASSERT_TRUE(pane);
    }
    void TearDown() override {
        delete host_;
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    struct Row {
        QString text;
        int picture;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> rows() const {
        std::vector<Row> out;
        QTreeWidget* tree = pane->trwWarning();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = tree->topLevelItem(i);
            EXPECT_EQ(item->childCount(), 0);
            EXPECT_FALSE(item->icon(0).isNull());
            out.push_back({item->text(0), item->data(0, Qt::UserRole).toInt()});
        }
        return out;
    }

    frmWarnings* pane = nullptr;

private:
    QWidget* host_ = nullptr;
};
} // namespace

TEST_F(WarningsPaneTest, AddStringAddsRootRowsWithTheirPicturesAnEmptyTextIncluded) {
    LanguageScope language(0);
    SetUpForm(pane); // as after a change of language
    EXPECT_EQ(pane->windowTitle(), QStringLiteral("Avvisi"));
    AddString(QStringLiteral("first"), 2);
    AddString(QString(), 3);
    AddString(QStringLiteral("third"), 1);
    EXPECT_EQ(rows(),
              (std::vector<Row>{
                  {QStringLiteral("first"), 2}, {QString(), 3}, {QStringLiteral("third"), 1}}));
}

TEST_F(WarningsPaneTest, APictureOutsideTheListIsReportedAndAddsNothing) {
    FakeUi ui;
    AddString(QStringLiteral("kept"), 2);
    AddString(QStringLiteral("lost"), 0);
    AddString(QStringLiteral("lost too"), 4);
    EXPECT_EQ(rows(), (std::vector<Row>{{QStringLiteral("kept"), 2}}));
    ASSERT_EQ(ui.standardCalls.size(), 2);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("AddString")));
}

TEST_F(WarningsPaneTest, TheCloseBoxHidesThePaneAndKeepsItsRows) {
    QSignalSpy closed(pane, &frmWarnings::ClosedByUser);
    AddString(QStringLiteral("a remark"), 3);
    pane->show();
    EXPECT_FALSE(pane->close());
    EXPECT_FALSE(pane->isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(WarningsWindow(), pane);

    pane->show();
    EXPECT_EQ(rows(), (std::vector<Row>{{QStringLiteral("a remark"), 3}}));

    QPointer<frmWarnings> watch(pane);
    pane->Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(closed.count(), 1); // the program's own unload is no user close
    EXPECT_EQ(WarningsWindow(), nullptr);
}

TEST_F(WarningsPaneTest, ItFirstShowsOnTheScreenBesideTheMainWindowWhereThereIsRoom) {
    QWidget* main = pane->parentWidget();
    ASSERT_TRUE(main);
    const QRect screen = main->screen()->availableGeometry();
    main->setGeometry(screen.left(), screen.top(), screen.width() - pane->width() - 10,
                      screen.height() / 2);
    pane->show();
    EXPECT_TRUE(screen.contains(pane->geometry()));
    EXPECT_FALSE(pane->geometry().intersects(main->frameGeometry()))
        << pane->x() << "," << pane->y();
}

TEST_F(WarningsPaneTest, TheTreeFillsThePaneWhenItIsResized) {
    pane->show();
    pane->resize(300, 120);
    QApplication::processEvents();
    EXPECT_EQ(pane->trwWarning()->geometry(), pane->rect());
    pane->resize(520, 260);
    QApplication::processEvents();
    EXPECT_EQ(pane->trwWarning()->geometry(), pane->rect());
}

TEST_F(WarningsPaneTest, TheSummaryReplacesThePreviousRows) {
    LanguageScope language(1);
    const WarningsPaneHooks savedHooks = WarningsPane();
    const DataSet savedData = CurrentData();
    RegisterWarningsPane();
    AddString(QStringLiteral("from the last data set"), 2);

    DataSet d;
    d.DataPresent = true;
    d.StopReason = 4;
    d.StopDate = NoStopDate();
    CurrentData() = d;
    GenerateWarnings();
    const std::vector<Row> shown = rows();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0], (Row{ResString(43), 3}));
    EXPECT_EQ(shown[1], (Row{ResString(4201) + QStringLiteral(" : ---"), 2}));

    CurrentData() = savedData;
    WarningsPane() = savedHooks;
}

// The pane opens wide enough for its longest rows in either language, also where the only
// room beside the main window is a narrow strip, and widens when longer rows come in.
TEST(WarningsPaneRows, AreNeverCutAtThePanesDefaultWidth) {
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        LanguageScope texts(language);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget host;
        host.setGeometry(screen.left(), screen.top(), screen.width() - 240, screen.height() - 80);
        host.show();
        frmWarnings pane(&host);
        for (int id : {4200, 4204, 40, 42, 4201})
            pane.AddString(ResString(id) + QStringLiteral(" : 10/12/2026 09:15:20"), 1);
        pane.show();
        QCoreApplication::processEvents();
        const QAbstractItemView* tree = pane.trwWarning();
        EXPECT_LE(tree->sizeHintForColumn(0), tree->viewport()->width());
        EXPECT_TRUE(screen.contains(pane.geometry()));

        pane.AddString(ResString(4200) + QStringLiteral(" - ") + ResString(4204), 2);
        QCoreApplication::processEvents();
        EXPECT_LE(tree->sizeHintForColumn(0), tree->viewport()->width());
        pane.hide();
    }
}
