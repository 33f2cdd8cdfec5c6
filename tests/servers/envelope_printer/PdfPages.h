#pragma once

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>

#include <optional>

namespace addrell::test {

[[nodiscard]] inline QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The MediaBox sizes of the pages of a PDF, in file order.
[[nodiscard]] inline QList<QSizeF> pdfPageSizes(const QByteArray& pdf)
{
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    QList<QSizeF> sizes;
    for (const QRegularExpressionMatch& box : mediaBox.globalMatch(QString::fromLatin1(pdf))) {
        sizes.append(QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                            box.captured(4).toDouble() - box.captured(2).toDouble()));
    }
    return sizes;
}

// What a poppler-utils tool (pdfinfo, pdffonts, pdftotext) prints; nothing without the tool.
[[nodiscard]] inline std::optional<QString> pdfToolOutput(const QString& tool,
                                                          const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF, or of one of its pages (counted from 1).
[[nodiscard]] inline std::optional<QString> pdfText(const QString& fileName, int page = 0)
{
    QStringList arguments{QStringLiteral("-layout"), fileName, QStringLiteral("-")};
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    return pdfToolOutput(QStringLiteral("pdftotext"), arguments);
}

} // namespace addrell::test
