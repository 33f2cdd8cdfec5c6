#include "servers/address_book/VCard.h"

#include <utility>

namespace addrell {

void VCard::append(VCardProperty property)
{
    m_properties.append(std::move(property));
}

QList<VCardProperty> VCard::properties(QStringView name) const
{
    QList<VCardProperty> found;
    for (const VCardProperty& property : m_properties) {
        if (VCardProperty::sameName(property.name(), name)) {
            found.append(property);
        }
    }
    return found;
}

std::optional<VCardProperty> VCard::property(QStringView name) const
{
    for (const VCardProperty& property : m_properties) {
        if (VCardProperty::sameName(property.name(), name)) {
            return property;
        }
    }
    return std::nullopt;
}

QString VCard::value(QStringView name) const
{
    const std::optional<VCardProperty> found = property(name);
    return found ? found->value() : QString();
}

} // namespace addrell
