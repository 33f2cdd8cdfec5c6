#pragma once

#include <QByteArrayView>
#include <QList>

namespace addrell {

// Cuts vCard text (see VCardText) into parts that read exactly as the whole does when each is
// read on its own, one after another: it cuts only where an END:VCARD line is directly followed
// by a BEGIN:VCARD line, so every part ends as the input would, which a card missing its END
// already has to survive.
class VCardSplitter {
public:
    // Parts of at least `partBytes` each, but for the last, in order.
    [[nodiscard]] static QList<QByteArrayView> split(QByteArrayView text, qsizetype partBytes);
};

} // namespace addrell
