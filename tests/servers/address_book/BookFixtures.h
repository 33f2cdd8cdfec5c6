#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace addrell::testing {

// One card of a Thunderbird address book: its properties by name.
using ThunderbirdCard = std::vector<std::pair<QString, QString>>;

// Writes a Thunderbird address book file with Thunderbird's tables, holding `cards` and the
// mailing lists `lists` (each with every card as a member).
void writeThunderbirdBook(const QString& path, const std::vector<ThunderbirdCard>& cards,
                          const QStringList& lists = {});

// Makes a Thunderbird home `base` with one profile `name` (a relative path), whose prefs.js holds
// `prefs`; returns the profile's folder.
QString writeThunderbirdProfile(const QString& base, const QString& name, const QByteArray& prefs);

} // namespace addrell::testing
