#include "envelopes/AddressFont.h"

namespace addrell {

namespace {

constexpr double kDeliveryPoints = 12.0;
constexpr double kReturnPoints = 10.0;

} // namespace

AddressFont::AddressFont(QString family, double pointSize, bool bold, bool italic)
    : m_family(std::move(family)), m_pointSize(pointSize), m_bold(bold), m_italic(italic)
{
}

AddressFont AddressFont::delivery()
{
    return AddressFont(kDefaultFamily, kDeliveryPoints);
}

AddressFont AddressFont::returnAddress()
{
    return AddressFont(kDefaultFamily, kReturnPoints);
}

} // namespace addrell
