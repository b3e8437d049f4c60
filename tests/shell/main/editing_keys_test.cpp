#include "tests/shell/main/main_window_fixture.h"

#include "data/dataset.h"
#include "platform/paths.h"
#include "shell/main/frm_main.h"
#include "shell/wiring/wire_data_table.h"
#include "shell/wiring/wire_main_window.h"
#include "tests/support/default_locale.h"
#include "views/table/frm_source.h"
#include "views/table/table_hooks.h"
#include "views/table/table_text_box.h"
#include "views/table/view_data_source.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A child window of the main window holding a read-only text box (as the data table), a
// text field, a table of cells and a button.
struct TextChild {
    explicit TextChild(frmMain& main) {
        auto* form = new QWidget;
        auto* layout = new QVBoxLayout(form);
        text = new QPlainTextEdit(QStringLiteral("row one\nrow two"), form);
        text->setReadOnly(true);
        field = new QLineEdit(QStringLiteral("12.5"), form);
        cells = new QTableWidget(1, 1, form);
        cells->setItem(0, 0, new QTableWidgetItem(QStringLiteral("cell")));
        cells->setCurrentCell(0, 0);
        button = new QPushButton(QStringLiteral("OK"), form);
        for (QWidget* w : {static_cast<QWidget*>(text), static_cast<QWidget*>(field),
                           static_cast<QWidget*>(cells), static_cast<QWidget*>(button)})
            layout->addWidget(w);
        main.AddChildWindow(form)->show();
    }
    QPlainTextEdit* text;
    QLineEdit* field;
    QTableWidget* cells;
    QPushButton* button;
};

class EditingKeys : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        MainWindowHook().ShowIdCodeDialog = [this] { ++idCodeDialogs; };
    }
    // Focus on w, then the key with Ctrl, as the user presses it.
    void press(QWidget* w, Qt::Key key) {
        w->setFocus();
        QTest::keyClick(w, key, Qt::ControlModifier);
    }
    int idCodeDialogs = 0;
    DefaultLocale cLocale{QLocale::c()}; // the figures below are the C locale's
};
} // namespace

TEST_F(EditingKeys, TextWithTheFocusTakesTheEditingKeys) {
    frmMain window;
    TextChild child(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QClipboard* clipboard = QGuiApplication::clipboard();
    QAction* dockItem = window.MenuItem(TopMenu::Windows, 1);
    const bool docked = dockItem->isChecked();

    // The read-only table text: Ctrl+A selects it all, Ctrl+C copies it.
    press(child.text, Qt::Key_A);
    EXPECT_EQ(child.text->textCursor().selectedText(), QStringLiteral("row one\u2029row two"));
    clipboard->clear();
    press(child.text, Qt::Key_C);
    EXPECT_EQ(clipboard->text(), QStringLiteral("row one\nrow two"));
    // Ctrl+X and Ctrl+V reach the text too, which, being read-only, stays as it was.
    press(child.text, Qt::Key_X);
    press(child.text, Qt::Key_V);
    EXPECT_EQ(child.text->toPlainText(), QStringLiteral("row one\nrow two"));

    // A text field copies and pastes.
    child.field->selectAll();
    press(child.field, Qt::Key_C);
    EXPECT_EQ(clipboard->text(), QStringLiteral("12.5"));
    child.field->clear();
    press(child.field, Qt::Key_V);
    EXPECT_EQ(child.field->text(), QStringLiteral("12.5"));

    // A table of cells copies its current cell.
    clipboard->clear();
    press(child.cells, Qt::Key_C);
    EXPECT_EQ(clipboard->text(), QStringLiteral("cell"));

    EXPECT_EQ(idCodeDialogs, 0);
    EXPECT_EQ(dockItem->isChecked(), docked);
    EXPECT_TRUE(window.isVisible()); // Ctrl+X did not end the program
}

TEST_F(EditingKeys, ElsewhereTheMenuShortcutsRunTheirCommands) {
    frmMain window;
    TextChild child(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QAction* dockItem = window.MenuItem(TopMenu::Windows, 1);
    const bool docked = dockItem->isChecked();
    press(child.button, Qt::Key_C);
    EXPECT_EQ(idCodeDialogs, 1);
    press(child.button, Qt::Key_A);
    EXPECT_NE(dockItem->isChecked(), docked);
    // A key that edits nothing runs its command from a text box too.
    int saves = 0;
    MainWindowHook().SaveFile = [&](const QString&) { return ++saves, SaveOutcome::Saved; };
    window.ToolbarButton(3)->setEnabled(true);
    ui.saveAnswers.push_back({true, QStringLiteral("/tmp/x.log"), 0});
    press(child.text, Qt::Key_S);
    EXPECT_EQ(saves, 1);
}

TEST_F(EditingKeys, TheDataTableCopiesItsRows) {
    QTemporaryDir scratch;
    SetWritableFolderForTests(scratch.path());
    RegisterMainWindow();
    RegisterDataTable();
    MainWindowHook().ShowIdCodeDialog = [this] { ++idCodeDialogs; };
    DataSet data;
    data.DataPresent = true;
    data.NumSamples = 20;
    data.StartDate = QDateTime(QDate(2026, 12, 9), QTime(7, 44, 47), Qt::UTC);
    data.SampleStep = 1;
    data.SampleStepUnit = QStringLiteral("n");
    data.DataX = QVector<float>(21, 0.5f);
    data.DataY = QVector<float>(21, 0.25f);
    data.DataZ = QVector<float>(21, 0.125f);
    data.DataRes = QVector<double>(21, 0.57);
    data.DataRf = QVector<float>(21, 0);
    data.ResMax = data.ResMin = 0.57f;
    CurrentData() = data;
    frmMain& main = MainWindow();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    ASSERT_TRUE(ViewDataSource(-1, -1));
    QWidget* rows = SourceWindow()->txtSource;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    press(rows, Qt::Key_A);
    press(rows, Qt::Key_C);
    EXPECT_GE(clipboard->text().count(QStringLiteral("0.57")), 20);
    EXPECT_EQ(idCodeDialogs, 0);
    delete SourceWindow();
    UnloadMainWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MainWindowHook() = MainWindowHooks{};
    DataTableHook() = DataTableHooks{};
    CurrentData() = DataSet{};
    SetWritableFolderForTests(QString());
}
