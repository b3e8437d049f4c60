#pragma once

#include "docking/core/layout_store.h"

#include <memory>

class QSettings;

namespace dockable {

// The layout store on QSettings: the per-user store of the library, or an INI file. Each
// application is one group (its name, a quoted path, encoded so that it stays one group);
// section and key names are kept in lower case, so that they match without regard to case.
class SettingsLayoutStore final : public LayoutStore {
public:
    // An empty file names the per-user store.
    explicit SettingsLayoutStore(const QString& file);
    ~SettingsLayoutStore() override;

    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) const override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    void DeleteSetting(const QString& app) override;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace dockable
