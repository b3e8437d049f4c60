#include "docking/core/layout_store.h"
#include "docking/widgets/dockable_private.h"
#include "docking/widgets/settings_layout_store.h"

namespace dockable {

std::unique_ptr<LayoutStore> DockablePrivate::openStore() const {
    return std::make_unique<SettingsLayoutStore>(settingsFile);
}

void DockablePrivate::SaveLayout() {
    if (!initialised) {
        return;
    }
    std::unique_ptr<LayoutStore> store = openStore();
    int dwidth[5] = {};
    for (int side = 1; side <= 4; ++side) {
        dwidth[side] = edges[side]->DWidth();
    }
    saveEdges(*store, appName, dwidth);
    for (const auto& f : forms) {
        saveForm(*store, appName, f->rec);
    }
    for (int side : {SideLeft, SideRight, SideTop, SideBottom}) {
        saveSplitters(*store, appName, side, edges[side]->tree());
    }
}

// Reads the whole stored layout before taking any of it: a layout with a value that does
// not read is left aside whole (reported once), so that no half of it is ever restored.
// True when the stored splits may be read too.
bool DockablePrivate::LoadLayout() {
    if (!initialised) {
        return false;
    }
    std::unique_ptr<LayoutStore> store = openStore();
    QStringList bad;
    LayoutReader reader{*store, appName, bad};
    int dwidth[5] = {};
    for (int side = 1; side <= 4; ++side) {
        dwidth[side] = edges[side]->DWidth();
    }
    loadEdges(reader, dwidth);
    std::vector<FormRecord> records;
    for (const auto& f : forms) {
        FormRecord r = f->rec;
        loadForm(reader, r);
        records.push_back(r);
        for (int side : {SideLeft, SideRight, SideTop, SideBottom}) {
            int promille = -1;
            int align = 1;
            reader.readInt(QStringLiteral("Splitters%1Split").arg(side), f->name(), promille, 16);
            reader.readInt(QStringLiteral("Splitters%1Align").arg(side), f->name(), align, 16);
        }
    }
    if (!bad.isEmpty()) {
        reportError("Paint", "stored layout not readable, not used (" + bad.join(", ") + ")");
        return false;
    }
    for (int side = 1; side <= 4; ++side) {
        edges[side]->setStoredDWidth(dwidth[side]);
    }
    for (size_t i = 0; i < forms.size(); ++i) {
        forms[i]->rec = records[i];
    }
    return true;
}

void DockablePrivate::ClearLayout() {
    if (!initialised) {
        return;
    }
    openStore()->DeleteSetting(appName);
}

} // namespace dockable
