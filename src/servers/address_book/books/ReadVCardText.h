#pragma once

#include "vcard/VCardReader.h"

#include <QByteArray>

namespace addrell {

// Hands every card of vCard text held in memory to `sink`, read exactly as a `.vcf` file is, so a
// card from another program's address book maps as the same card in a file would.
void readVCardText(QByteArray text, const VCardReader::CardSink& sink);

} // namespace addrell
