#include "docking/core/properties.h"

#include "docking/core/numeric.h"

namespace dockable {

QVariant MemoryPropertyBag::ReadProperty(const QString& key) const {
    auto it = values_.find(key);
    return it == values_.end() ? QVariant() : it->second;
}

void MemoryPropertyBag::WriteProperty(const QString& key, const QVariant& value) {
    if (values_.find(key) == values_.end()) {
        order_.append(key);
    }
    values_[key] = value;
}

QStringList propertyBagKeys() {
    return {"SysMenuCaption", "LeftEdgeWidth", "RightEdgeWidth", "BottomEdgeHeight",
            "TopEdgeHeight",  "Persistant",    "HSplitterMin",   "VSplitterMin",
            "MDIActiveLook",  "TopSizerMin",   "BottomSizerMin", "LeftSizerMin",
            "RightSizerMin"};
}

namespace {
// A stored number: an integer, or a text that reads as one.
bool readLong(const PropertyBag& bag, const QString& key, int& field, QStringList& bad) {
    QVariant v = bag.ReadProperty(key);
    if (!v.isValid()) {
        return false;
    }
    bool ok = false;
    qlonglong n = 0;
    if (v.typeId() == QMetaType::QString) {
        n = v.toString().trimmed().toLongLong(&ok);
    } else if (v.canConvert<qlonglong>() && v.typeId() != QMetaType::Bool) {
        n = v.toLongLong(&ok);
    }
    if (!ok || n < INT32_MIN || n > INT32_MAX) {
        bad.append(key);
        return false;
    }
    field = static_cast<int>(n);
    return true;
}

bool readBool(const PropertyBag& bag, const QString& key, bool& field, QStringList& bad) {
    QVariant v = bag.ReadProperty(key);
    if (!v.isValid()) {
        return false;
    }
    if (v.typeId() == QMetaType::Bool) {
        field = v.toBool();
        return true;
    }
    QString text = v.toString().trimmed();
    if (text.compare("True", Qt::CaseInsensitive) == 0) {
        field = true;
        return true;
    }
    if (text.compare("False", Qt::CaseInsensitive) == 0) {
        field = false;
        return true;
    }
    bool ok = false;
    qlonglong n = text.toLongLong(&ok);
    if (!ok) {
        bad.append(key);
        return false;
    }
    field = n != 0;
    return true;
}
} // namespace

QStringList DockableProperties::read(const PropertyBag& bag) {
    QStringList bad;
    QVariant caption = bag.ReadProperty("SysMenuCaption");
    if (caption.isValid()) {
        if (caption.canConvert<QString>()) {
            SysMenuCaption = caption.toString();
        } else {
            bad.append("SysMenuCaption");
        }
    }
    readLong(bag, "LeftEdgeWidth", LeftEdgeWidth, bad);
    readLong(bag, "RightEdgeWidth", RightEdgeWidth, bad);
    readLong(bag, "BottomEdgeHeight", BottomEdgeHeight, bad);
    readLong(bag, "TopEdgeHeight", TopEdgeHeight, bad);
    readBool(bag, "Persistant", Persistent, bad);
    readLong(bag, "HSplitterMin", HSplitterMinPx, bad);
    readLong(bag, "VSplitterMin", VSplitterMinPx, bad);
    readBool(bag, "MDIActiveLook", MDIActiveLook, bad);
    readLong(bag, "TopSizerMin", TopSizerMin, bad);
    readLong(bag, "BottomSizerMin", BottomSizerMin, bad);
    readLong(bag, "LeftSizerMin", LeftSizerMin, bad);
    readLong(bag, "RightSizerMin", RightSizerMin, bad);
    return bad;
}

void DockableProperties::write(PropertyBag& bag) const {
    bag.WriteProperty("SysMenuCaption", SysMenuCaption);
    bag.WriteProperty("LeftEdgeWidth", LeftEdgeWidth);
    bag.WriteProperty("RightEdgeWidth", RightEdgeWidth);
    bag.WriteProperty("BottomEdgeHeight", BottomEdgeHeight);
    bag.WriteProperty("TopEdgeHeight", TopEdgeHeight);
    bag.WriteProperty("Persistant", Persistent);
    bag.WriteProperty("HSplitterMin", HSplitterMinPx);
    bag.WriteProperty("VSplitterMin", VSplitterMinPx);
    bag.WriteProperty("MDIActiveLook", MDIActiveLook);
    bag.WriteProperty("TopSizerMin", TopSizerMin);
    bag.WriteProperty("BottomSizerMin", BottomSizerMin);
    bag.WriteProperty("LeftSizerMin", LeftSizerMin);
    bag.WriteProperty("RightSizerMin", RightSizerMin);
}

Limits DockableProperties::limits(const Metrics& m) const {
    Limits l;
    l.hSplitterMin = HSplitterMinPx;
    l.vSplitterMin = VSplitterMinPx;
    l.sizerMin[SideTop] = twipsToPixels(TopSizerMin, m.twipsPerPixelY);
    l.sizerMin[SideBottom] = twipsToPixels(BottomSizerMin, m.twipsPerPixelY);
    l.sizerMin[SideLeft] = twipsToPixels(LeftSizerMin, m.twipsPerPixelX);
    l.sizerMin[SideRight] = twipsToPixels(RightSizerMin, m.twipsPerPixelX);
    return l;
}

} // namespace dockable
