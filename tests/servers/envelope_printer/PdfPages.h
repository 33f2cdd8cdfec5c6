#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>

#include <optional>

namespace addrell::test {

// The MediaBox sizes of the pages of a PDF, in file order.
[[nodiscard]] QList<QSizeF> pdfPageSizes(const QByteArray& pdf);
[[nodiscard]] QByteArray readFile(const QString& fileName);
// The text of a PDF through pdftotext; nothing when poppler-utils is not installed.
[[nodiscard]] std::optional<QString> pdfText(const QString& fileName);

} // namespace addrell::test
