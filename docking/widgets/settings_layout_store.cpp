#include "docking/widgets/settings_layout_store.h"

#include <QSettings>
#include <QUrl>

namespace dockable {

namespace {
QString group(const QString& app) {
    return QString::fromLatin1(QUrl::toPercentEncoding(app));
}
QString path(const QString& app, const QString& section, const QString& key) {
    return group(app) + "/" + QString::fromLatin1(QUrl::toPercentEncoding(section.toLower())) +
           "/" + QString::fromLatin1(QUrl::toPercentEncoding(key.toLower()));
}
} // namespace

SettingsLayoutStore::SettingsLayoutStore(const QString& file)
    : settings_(file.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  "Dockable", "Layouts")
                    : std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

SettingsLayoutStore::~SettingsLayoutStore() = default;

QString SettingsLayoutStore::GetSetting(const QString& app, const QString& section,
                                        const QString& key, const QString& fallback) const {
    const QVariant v = settings_->value(path(app, section, key));
    return v.isValid() ? v.toString() : fallback;
}

void SettingsLayoutStore::SaveSetting(const QString& app, const QString& section,
                                      const QString& key, const QString& value) {
    settings_->setValue(path(app, section, key), value);
}

void SettingsLayoutStore::DeleteSetting(const QString& app) {
    settings_->remove(group(app));
    settings_->sync();
}

} // namespace dockable
