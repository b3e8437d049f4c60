#include "docking/core/layout_store.h"

#include "docking/core/placement.h"

namespace dockable {

namespace {
std::tuple<QString, QString, QString> address(const QString& app, const QString& section,
                                              const QString& key) {
    return {app, section.toLower(), key.toLower()};
}
QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

QString MemoryLayoutStore::GetSetting(const QString& app, const QString& section,
                                      const QString& key, const QString& fallback) const {
    auto it = values.find(address(app, section, key));
    return it == values.end() ? fallback : it->second;
}

void MemoryLayoutStore::SaveSetting(const QString& app, const QString& section, const QString& key,
                                    const QString& value) {
    values[address(app, section, key)] = value;
    writes.append(section + "/" + key + "=" + value);
}

void MemoryLayoutStore::DeleteSetting(const QString& app) {
    for (auto it = values.begin(); it != values.end();) {
        it = std::get<0>(it->first) == app ? values.erase(it) : std::next(it);
    }
}

void LayoutReader::readInt(const QString& section, const QString& key, int& field, int bits) const {
    const QString text = store.GetSetting(app, section, key, QString::number(field)).trimmed();
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok);
    const qlonglong low = bits == 16 ? -32768 : INT32_MIN;
    const qlonglong high = bits == 16 ? 32767 : INT32_MAX;
    if (!ok || n < low || n > high) {
        bad.append(section + "/" + key);
        return;
    }
    field = static_cast<int>(n);
}

void LayoutReader::readBool(const QString& section, const QString& key, bool& field) const {
    const QString text = store.GetSetting(app, section, key, boolText(field)).trimmed();
    if (text.compare("True", Qt::CaseInsensitive) == 0) {
        field = true;
    } else if (text.compare("False", Qt::CaseInsensitive) == 0) {
        field = false;
    } else {
        bool ok = false;
        const qlonglong n = text.toLongLong(&ok);
        if (ok) {
            field = n != 0;
        } else {
            bad.append(section + "/" + key);
        }
    }
}

void LayoutReader::readText(const QString& section, const QString& key, QString& field) const {
    field = store.GetSetting(app, section, key, field);
}

void saveEdges(LayoutStore& store, const QString& app, const int dwidth[5]) {
    store.SaveSetting(app, "Edges", "Left", QString::number(dwidth[3]));
    store.SaveSetting(app, "Edges", "Top", QString::number(dwidth[1]));
    store.SaveSetting(app, "Edges", "Right", QString::number(dwidth[4]));
    store.SaveSetting(app, "Edges", "Bottom", QString::number(dwidth[2]));
}

void loadEdges(const LayoutReader& r, int dwidth[5]) {
    r.readInt("Edges", "Left", dwidth[3]);
    r.readInt("Edges", "Top", dwidth[1]);
    r.readInt("Edges", "Right", dwidth[4]);
    r.readInt("Edges", "Bottom", dwidth[2]);
    for (int side = 1; side <= 4; ++side) {
        if (dwidth[side] < 0) {
            dwidth[side] = 0;
        }
    }
}

void saveForm(LayoutStore& s, const QString& app, const FormRecord& f) {
    const QString& n = f.name;
    s.SaveSetting(app, n, "State", QString::number(f.State));
    s.SaveSetting(app, n, "StateWhenVisible", QString::number(f.StateWhenVisible));
    s.SaveSetting(app, n, "AlignWhenDocked", QString::number(f.AlignWhenDocked));
    s.SaveSetting(app, n, "HostPane", f.HostPane);
    s.SaveSetting(app, n, "AlignToHostPane", QString::number(f.AlignToHostPane));
    s.SaveSetting(app, n, "HostSplitProMille", QString::number(f.HostSplitProMille));
    s.SaveSetting(app, n, "LeftWhenUnDocked", QString::number(f.LeftWhenUnDocked));
    s.SaveSetting(app, n, "TopWhenUnDocked", QString::number(f.TopWhenUnDocked));
    s.SaveSetting(app, n, "WidthWhenUnDocked", QString::number(f.WidthWhenUnDocked));
    s.SaveSetting(app, n, "HeightWhenUnDocked", QString::number(f.HeightWhenUnDocked));
    s.SaveSetting(app, n, "GrabberBar", boolText(f.GrabberBar));
    s.SaveSetting(app, n, "GrabberBarXBtn", boolText(f.GrabberBarXBtn));
    s.SaveSetting(app, n, "CanDockLeft", boolText(f.CanDockLeft));
    s.SaveSetting(app, n, "CanDockRight", boolText(f.CanDockRight));
    s.SaveSetting(app, n, "CanDockTop", boolText(f.CanDockTop));
    s.SaveSetting(app, n, "CanDockBottom", boolText(f.CanDockBottom));
}

void loadForm(const LayoutReader& r, FormRecord& f) {
    const QString n = f.name;
    FormRecord read = f;
    r.readInt(n, "State", read.State);
    r.readInt(n, "StateWhenVisible", read.StateWhenVisible);
    r.readInt(n, "AlignWhenDocked", read.AlignWhenDocked, 16);
    r.readText(n, "HostPane", read.HostPane);
    r.readInt(n, "AlignToHostPane", read.AlignToHostPane, 16);
    r.readInt(n, "HostSplitProMille", read.HostSplitProMille, 16);
    r.readInt(n, "LeftWhenUnDocked", read.LeftWhenUnDocked);
    r.readInt(n, "TopWhenUnDocked", read.TopWhenUnDocked);
    r.readInt(n, "WidthWhenUnDocked", read.WidthWhenUnDocked);
    r.readInt(n, "HeightWhenUnDocked", read.HeightWhenUnDocked);
    r.readBool(n, "GrabberBar", read.GrabberBar);
    r.readBool(n, "GrabberBarXBtn", read.GrabberBarXBtn);
    r.readBool(n, "CanDockLeft", read.CanDockLeft);
    r.readBool(n, "CanDockRight", read.CanDockRight);
    r.readBool(n, "CanDockTop", read.CanDockTop);
    r.readBool(n, "CanDockBottom", read.CanDockBottom);
    // States and sides outside their ranges are not layouts this control ever stored.
    auto inRange = [](int v, int low, int high) { return v >= low && v <= high; };
    if (!inRange(read.State, 0, 2)) {
        r.bad.append(n + "/State");
        read.State = f.State;
    }
    if (!inRange(read.StateWhenVisible, 0, 2)) {
        r.bad.append(n + "/StateWhenVisible");
        read.StateWhenVisible = f.StateWhenVisible;
    }
    if (!inRange(read.AlignWhenDocked, 0, 4)) {
        r.bad.append(n + "/AlignWhenDocked");
        read.AlignWhenDocked = f.AlignWhenDocked;
    }
    // A placement no screen has would overflow the window arithmetic: kept within bounds.
    read.LeftWhenUnDocked = boundedCoordinate(read.LeftWhenUnDocked);
    read.TopWhenUnDocked = boundedCoordinate(read.TopWhenUnDocked);
    read.WidthWhenUnDocked = boundedSize(read.WidthWhenUnDocked);
    read.HeightWhenUnDocked = boundedSize(read.HeightWhenUnDocked);
    f = read;
}

void saveSplitters(LayoutStore& store, const QString& app, int side, const SplitTree& tree) {
    const QString split = QStringLiteral("Splitters%1Split").arg(side);
    const QString align = QStringLiteral("Splitters%1Align").arg(side);
    for (int i = 1; i <= tree.Count(); ++i) {
        const PaneSlot& s = tree.slot(i);
        if (s.IsSplitter || s.Deleted || s.ParentIndex == 0) {
            continue;
        }
        const PaneSlot& parent = tree.slot(s.ParentIndex);
        store.SaveSetting(app, split, s.Key, QString::number(parent.SplitPromille));
        store.SaveSetting(app, align, s.Key, QString::number(parent.Child2Align));
    }
}

bool loadSplitters(const LayoutReader& r, int side, SplitTree& tree, const QString& key) {
    int promille = -1;
    int align = 1;
    r.readInt(QStringLiteral("Splitters%1Split").arg(side), key, promille, 16);
    r.readInt(QStringLiteral("Splitters%1Align").arg(side), key, align, 16);
    if (promille == -1) {
        return false;
    }
    if (align < 1 || align > 4) {
        r.bad.append(QStringLiteral("Splitters%1Align/%2").arg(side).arg(key));
        return false;
    }
    bool applied = false;
    for (int i = 1; i <= tree.Count(); ++i) {
        const PaneSlot& s = tree.slot(i);
        if (s.Key == key && s.ParentIndex != 0 && !s.Deleted) {
            tree.slot(s.ParentIndex).SplitPromille = promille;
            tree.setChild2Align(s.ParentIndex, align);
            applied = true;
        }
    }
    return applied;
}

} // namespace dockable
