#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <span>

namespace addrell {

// Which properties a reader keeps of each card: every one, or those named. Names are compared
// without regard to case.
class VCardPropertyFilter {
public:
    [[nodiscard]] static VCardPropertyFilter everything() { return VCardPropertyFilter(); }
    // `names` must outlive the filter: a static table, say.
    explicit VCardPropertyFilter(std::span<const QByteArrayView> names) noexcept
        : m_names(names), m_everything(false)
    {
    }

    [[nodiscard]] bool keeps(QByteArrayView name) const noexcept;
    [[nodiscard]] bool keeps(QStringView name) const noexcept;

    // Whether two ASCII names are the same without regard to case.
    [[nodiscard]] static bool sameName(QByteArrayView a, QByteArrayView b) noexcept
    {
        if (a.size() != b.size()) {
            return false;
        }
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (asciiUpper(a[i]) != asciiUpper(b[i])) {
                return false;
            }
        }
        return true;
    }

private:
    VCardPropertyFilter() = default;
    [[nodiscard]] static char asciiUpper(char c) noexcept
    {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

    std::span<const QByteArrayView> m_names;
    bool m_everything = true;
};

} // namespace addrell
