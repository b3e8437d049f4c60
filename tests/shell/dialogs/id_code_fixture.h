#pragma once

#include "data/dataset.h"
#include "data/upload/upload_data.h"
#include "shell/dialogs/frm_id_code.h"
#include "tests/link/link_fixture.h"
#include "views/windows/single_window.h"

#include <QLineEdit>

// The identification dialog on the link of LinkTest (fake port, virtual time, emulated
// instrument), connected, with the instrument's texts going into the data set.
class IdCodeTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        RegisterDataReplyHandlers();
        ReplaceCurrentData(DataSet());
        connectQuietly();
    }
    void TearDown() override {
        Window<frmIDCode>().Unload();
        ReplaceCurrentData(DataSet());
        LinkTest::TearDown();
    }
    frmIDCode& open() { return Window<frmIDCode>().Load(); }
    // Both boxes' texts, short first.
    static QStringList shown(const frmIDCode& dialog) {
        return {dialog.txtIDShort->text(), dialog.txtIDLong->text()};
    }
};
