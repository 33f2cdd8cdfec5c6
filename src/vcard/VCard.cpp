#include "vcard/VCard.h"

#include <utility>

namespace addrell {

void VCard::append(VCardProperty property)
{
    m_properties.append(std::move(property));
}

QVarLengthArray<const VCardProperty*, 4> VCard::properties(QStringView name) const
{
    QVarLengthArray<const VCardProperty*, 4> found;
    for (const VCardProperty& property : m_properties) {
        if (VCardProperty::sameName(property.name(), name)) {
            found.append(&property);
        }
    }
    return found;
}

const VCardProperty* VCard::property(QStringView name) const
{
    for (const VCardProperty& property : m_properties) {
        if (VCardProperty::sameName(property.name(), name)) {
            return &property;
        }
    }
    return nullptr;
}

QString VCard::value(QStringView name) const
{
    const VCardProperty* const found = property(name);
    return found != nullptr ? found->value() : QString();
}

} // namespace addrell
