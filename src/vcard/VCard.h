#pragma once

#include "vcard/VCardProperty.h"

#include <QList>
#include <QString>
#include <QVarLengthArray>

namespace addrell {

// One card: its properties in file order, BEGIN and END left out.
class VCard {
public:
    void append(VCardProperty property);
    // Empty again, keeping its room for the next card.
    void clear() { m_properties.clear(); }

    [[nodiscard]] const QList<VCardProperty>& properties() const noexcept { return m_properties; }
    // Every property called `name` (any case), in file order, valid while the card is.
    [[nodiscard]] QVarLengthArray<const VCardProperty*, 4> properties(QStringView name) const;
    // The first property called `name`, or null; valid while the card is.
    [[nodiscard]] const VCardProperty* property(QStringView name) const;
    // The unescaped value of the first property called `name`, or an empty string.
    [[nodiscard]] QString value(QStringView name) const;

private:
    QList<VCardProperty> m_properties;
};

} // namespace addrell
