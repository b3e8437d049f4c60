#pragma once

#include "docking/core/form_record.h"
#include "docking/core/split_tree.h"

#include <QString>
#include <QStringList>

#include <map>
#include <tuple>

namespace dockable {

// The per-user settings store: text values by application name, section and key. Section
// and key names match without regard to case.
class LayoutStore {
public:
    virtual ~LayoutStore() = default;
    virtual QString GetSetting(const QString& app, const QString& section, const QString& key,
                               const QString& fallback) const = 0;
    virtual void SaveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value) = 0;
    // Deletes the whole application entry with all its sections.
    virtual void DeleteSetting(const QString& app) = 0;
};

class MemoryLayoutStore final : public LayoutStore {
public:
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) const override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    void DeleteSetting(const QString& app) override;
    // Every write in order, as "section/key=value".
    QStringList writes;
    std::map<std::tuple<QString, QString, QString>, QString> values;
};

// Reading stored values: a value that does not read as its field's kind keeps the field
// as it was, and its section and key are added to bad.
struct LayoutReader {
    const LayoutStore& store;
    QString app;
    QStringList& bad;

    void readInt(const QString& section, const QString& key, int& field, int bits = 32) const;
    void readBool(const QString& section, const QString& key, bool& field) const;
    void readText(const QString& section, const QString& key, QString& field) const;
};

// The "Edges" section: the edges' sizes in pixels, left, top, right, bottom.
void saveEdges(LayoutStore& store, const QString& app, const int dwidth[5]);
void loadEdges(const LayoutReader& reader, int dwidth[5]);
// A form's own section, its sixteen keys in order.
void saveForm(LayoutStore& store, const QString& app, const FormRecord& form);
void loadForm(const LayoutReader& reader, FormRecord& form);
// The splits of an edge's panes, under each docked leaf's key.
void saveSplitters(LayoutStore& store, const QString& app, int side, const SplitTree& tree);
// Applies the stored split of that key's parent node; true when one was stored.
bool loadSplitters(const LayoutReader& reader, int side, SplitTree& tree, const QString& key);

} // namespace dockable
