#pragma once

#include "TempFiles.h"

#include <QString>
#include <QStringList>

class QTreeWidget;

#include <utility>
#include <vector>

namespace addrell::testing {

// One card of a Thunderbird address book: its properties by name.
using ThunderbirdCard = std::vector<std::pair<QString, QString>>;

// Writes a Thunderbird address book with Thunderbird's tables, holding `cards` and the mailing
// lists `lists`, each with every card as a member.
void writeThunderbirdBook(const QString& path, const std::vector<ThunderbirdCard>& cards,
                          const QStringList& lists = {});

// Makes the Thunderbird home `base` (a path in `home`) with one profile `name`, whose prefs.js
// holds `prefs`; returns the profile's folder.
QString writeThunderbirdProfile(const TempFiles& home, const QString& base, const QString& name,
                                const QByteArray& prefs = {});

// The address book chooser's rows, each indented by its depth: "name|number of contacts".
[[nodiscard]] QStringList chooserRows(const QTreeWidget& tree);

} // namespace addrell::testing
