#include "servers/address_book/books/DatabaseCopy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace addrell {

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kAttempts = 3;
constexpr qint64 kChunkBytes = qint64{1} << 20;
// A log's header holds salts that change whenever its owner starts the log afresh.
constexpr qint64 kLogHeaderBytes = 32;

// What changes when the owner moves its log into the file or starts the log afresh. A log that
// only grew needs no second copy: SQLite ignores a transaction the copy caught half-written.
struct Fingerprint {
    qint64 size = -1;
    QDateTime modified;
    QByteArray logHeader;

    bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprintOf(const QString& path)
{
    const QFileInfo info(path);
    QFile log(path + u"-wal"_s);
    return {info.size(), info.lastModified(),
            log.open(QIODevice::ReadOnly) ? log.read(kLogHeaderBytes) : QByteArray()};
}

bool copyFile(const QString& from, const QString& to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    for (QByteArray chunk = in.read(kChunkBytes); !chunk.isEmpty(); chunk = in.read(kChunkBytes)) {
        if (out.write(chunk) != chunk.size()) {
            return false;
        }
    }
    return in.error() == QFileDevice::NoError && out.flush();
}

} // namespace

DatabaseCopy::DatabaseCopy(const QString& path)
{
    if (!m_folder.isValid()) {
        return;
    }
    const QString copy = m_folder.filePath(u"book.sqlite"_s);
    const QString log = path + u"-wal"_s;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const Fingerprint before = fingerprintOf(path);
        QFile::remove(copy + u"-wal"_s);
        if (!copyFile(path, copy)) {
            return;
        }
        // The log after the file: a log moved into the file meanwhile is still whole in the copy.
        const bool logCopied = !QFileInfo::exists(log) || copyFile(log, copy + u"-wal"_s);
        // An owner that keeps writing gets its last copy read; a damaged one reads as damaged.
        if ((logCopied && fingerprintOf(path) == before) || attempt == kAttempts) {
            m_path = copy;
            return;
        }
    }
}

} // namespace addrell
