#pragma once

#include "docking/core/sides.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>

namespace dockable {

// The host's stored design values of a control: key to value, as the host's form data
// keeps them.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value, or an invalid QVariant when the key is not stored.
    virtual QVariant ReadProperty(const QString& key) const = 0;
    virtual void WriteProperty(const QString& key, const QVariant& value) = 0;
};

// A bag in memory, in the order keys were first written.
class MemoryPropertyBag final : public PropertyBag {
public:
    QVariant ReadProperty(const QString& key) const override;
    void WriteProperty(const QString& key, const QVariant& value) override;
    QStringList keys() const { return order_; }

private:
    std::map<QString, QVariant> values_;
    QStringList order_;
};

// The control's design-time properties with their defaults. Edge sizes and sizer minima
// are twips; the splitter minima are pixels.
struct DockableProperties {
    QString SysMenuCaption = QStringLiteral("Dockable");
    int LeftEdgeWidth = 1000;
    int RightEdgeWidth = 1000;
    int BottomEdgeHeight = 1000;
    int TopEdgeHeight = 1000;
    bool Persistent = true;
    int HSplitterMinPx = 12;
    int VSplitterMinPx = 12;
    bool MDIActiveLook = false;
    int TopSizerMin = 180;
    int BottomSizerMin = 180;
    int LeftSizerMin = 180;
    int RightSizerMin = 180;

    // Reads every key in its order; a key not stored, or stored with a value of the wrong
    // kind, keeps the default. Returns the keys whose stored value was unusable.
    QStringList read(const PropertyBag& bag);
    void write(PropertyBag& bag) const;

    // The limits these properties give on a screen of those twips per pixel.
    Limits limits(const Metrics& metrics) const;
};

// The keys of the bag, in the order they are read and written.
QStringList propertyBagKeys();

} // namespace dockable
