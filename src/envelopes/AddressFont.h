#pragma once

#include <QString>

namespace addrell {

// The type an address block is set in. The defaults are the word processor's envelope styles,
// Times New Roman at 12 points for the delivery address and 10 for the return address.
class AddressFont {
public:
    static inline const QString kDefaultFamily = QStringLiteral("Times New Roman");
    // The word processor's range of type sizes.
    static constexpr double kMinimumPoints = 1.0;
    static constexpr double kMaximumPoints = 1638.0;

    explicit AddressFont(QString family, double pointSize, bool bold = false, bool italic = false);

    [[nodiscard]] static AddressFont delivery();
    [[nodiscard]] static AddressFont returnAddress();

    [[nodiscard]] const QString& family() const noexcept { return m_family; }
    [[nodiscard]] double pointSize() const noexcept { return m_pointSize; }
    [[nodiscard]] bool bold() const noexcept { return m_bold; }
    [[nodiscard]] bool italic() const noexcept { return m_italic; }

    void setFamily(QString family) { m_family = std::move(family); }
    void setPointSize(double pointSize) noexcept { m_pointSize = pointSize; }
    void setBold(bool bold) noexcept { m_bold = bold; }
    void setItalic(bool italic) noexcept { m_italic = italic; }

    friend bool operator==(const AddressFont&, const AddressFont&) = default;

private:
    QString m_family;
    double m_pointSize;
    bool m_bold;
    bool m_italic;
};

} // namespace addrell
