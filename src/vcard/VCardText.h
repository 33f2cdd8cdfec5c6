#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace addrell {

// The bytes of a vCard source as UTF-8 text whose lines end in LF or CR LF, ready to be scanned
// in place. Files come with CR LF, LF or CR alone (old Mac programs), CR CR LF (a CR LF written
// through a text-mode stream), in UTF-16 with a byte-order mark, or as several exports joined
// with `cat`, each with a UTF-8 byte-order mark of its own. A byte-order mark therefore ends a
// line: the export before it may end without one. Most files need no change and are not copied;
// the others are rewritten whole, LF alone ending their lines.
class VCardText {
public:
    // `bytes` must outlive this object, since text that needs no change is only viewed.
    explicit VCardText(QByteArrayView bytes);
    VCardText(const VCardText&) = delete;
    VCardText& operator=(const VCardText&) = delete;

    [[nodiscard]] QByteArrayView view() const noexcept { return m_view; }

private:
    QByteArray m_rewritten;
    QByteArrayView m_view;
};

} // namespace addrell
