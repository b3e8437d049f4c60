#pragma once

#include "views/table/chart_row_link.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QToolBar;
class TableRows;
class TableTextBox;

// The data-table window: the table text of the current data set with a label naming its
// order and a toolbar to save it, print it, close the window and switch the order.
class frmSource : public QWidget, public TableCaret {
    Q_OBJECT
public:
    explicit frmSource(QWidget* parent = nullptr);
    ~frmSource() override;

    // True while the table is in time order.
    bool OrderFlag() const { return orderFlag_; }

    // Shows the rows of a table built in the given order.
    void ShowTable(std::shared_ptr<const TableRows> rows, bool timeOrder);

    // Toolbar buttons by their index 1..8 (1, 4, 6 and 8 are separators and a spacer).
    QAction* Button(int index) const;
    void tbrGraphSrc_ButtonClick(int index);
    void Form_Activate();

    // The table as the graphs' cross-hair sees it.
    bool TimeOrder() const override { return orderFlag_; }
    int HeaderOffset() const override { return headerOffset_; }
    qint32 CaretLine() const override;
    qint32 SelectionLength() const override;
    qint32 LineLength(qint32 line) const override;
    void SelectLine(qint32 line) override;

    TableTextBox* txtSource = nullptr;
    QToolBar* tbrGraphSrc = nullptr;
    QLabel* lblOrder = nullptr;

private:
    void save();

    bool orderFlag_ = true;
    int headerOffset_ = 7;
    QAction* buttons_[9] = {};
};

// The loaded data-table window, or nullptr.
frmSource* SourceWindow();
// The window, created (loaded) on first use.
frmSource& LoadSourceWindow();
// True while the data-table window is loaded.
bool SourceViewOpen();
// The order button's picture: coloured, so that the button never looks disabled.
QIcon OrderPicture();
