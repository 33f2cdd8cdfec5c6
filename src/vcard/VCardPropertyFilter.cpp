#include "vcard/VCardPropertyFilter.h"

#include <algorithm>

namespace addrell {

bool VCardPropertyFilter::keeps(QByteArrayView name) const noexcept
{
    return m_everything || std::any_of(m_names.begin(), m_names.end(), [name](QByteArrayView kept) {
               return sameName(kept, name);
           });
}

bool VCardPropertyFilter::keeps(QStringView name) const noexcept
{
    return m_everything || std::any_of(m_names.begin(), m_names.end(), [name](QByteArrayView kept) {
               if (kept.size() != name.size()) {
                   return false;
               }
               for (qsizetype i = 0; i < kept.size(); ++i) {
                   if (QChar(asciiUpper(kept[i])) != name[i].toUpper()) {
                       return false;
                   }
               }
               return true;
           });
}

} // namespace addrell
