#include "PdfPages.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace addrell::test {

QList<QSizeF> pdfPageSizes(const QByteArray& pdf)
{
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    QList<QSizeF> sizes;
    auto it = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        sizes.append(QSizeF(match.captured(3).toDouble() - match.captured(1).toDouble(),
                            match.captured(4).toDouble() - match.captured(2).toDouble()));
    }
    return sizes;
}

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<QString> pdfText(const QString& fileName)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(program, {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace addrell::test
