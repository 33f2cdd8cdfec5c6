#pragma once

#include <QLocale>

class QMimeData;

namespace addrell {

// Contacts dropped on the program's window. While a DroppedSelection lives, the address book's
// window has the dropped data as its selection in place of the clipboard's, so "Use Contact"
// treats a drop exactly as it treats the same data copied.
class DroppedSelection {
public:
    explicit DroppedSelection(const QMimeData& data);
    ~DroppedSelection();
    DroppedSelection(const DroppedSelection&) = delete;
    DroppedSelection& operator=(const DroppedSelection&) = delete;

    // The data dropped, or null outside a drop.
    [[nodiscard]] static const QMimeData* current() noexcept;

    // Whether the selection made of `data` would be cards: vCard data or `.vcf` files. Data
    // that cannot be read counts, so a drop of it reports the failure as a copy would.
    [[nodiscard]] static bool holdsCards(const QMimeData& data,
                                         QLocale::Territory home = QLocale().territory());

private:
    const QMimeData* m_previous;
};

} // namespace addrell
