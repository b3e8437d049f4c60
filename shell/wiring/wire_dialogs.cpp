#include "shell/wiring/wire_dialogs.h"

#include "data/upload/upload_hooks.h"
#include "platform/ui_services.h"
#include "shell/dialogs/frm_date.h"
#include "shell/dialogs/frm_id_code.h"
#include "shell/main/main_hooks.h"
#include "views/windows/single_window.h"

void RegisterIdentificationAndDateDialogs() {
    MainWindowHook().ShowIdCodeDialog = [] {
        frmIDCode& dialog = Window<frmIDCode>().Load();
        dialog.setParent(Ui().Owner(), dialog.windowFlags());
        Ui().RunModal(dialog);
        Window<frmIDCode>().Unload();
    };
    UploadHook().AskStartDate = [] { return AskDateAndTime(Ui().Owner()); };
}
