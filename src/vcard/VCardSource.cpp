#include "vcard/VCardSource.h"

#include "util/WorkerPool.h"
#include "vcard/VCardFile.h"
#include "vcard/VCardSplitter.h"
#include "vcard/VCardText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <iterator>
#include <utility>

namespace addrell {

namespace {

// A display name is one short line; anything longer in the file is not one.
constexpr qint64 kMaxDisplayNameBytes = 4096;

// `last` says that `text` ends where the file's text does.
void readPart(QByteArrayView text, const VCardFile& file, bool last,
              const VCardPropertyFilter& filter, qsizetype part, const VCardSource::PartSink& sink)
{
    const auto readError = [text, &file, last] {
        return (last && file.read() == VCardFile::Read::Partly) || file.cutShort(text);
    };
    VCardReader(text, filter, readError).readAll([part, &sink](const VCard& card) {
        sink(part, card);
    });
}

bool isVCardFile(const QString& fileName)
{
    return fileName.endsWith(u".vcf", Qt::CaseInsensitive);
}

QString vdirDisplayName(const QDir& directory)
{
    QFile file(directory.filePath(QStringLiteral("displayname")));
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QString text = QString::fromUtf8(file.read(kMaxDisplayNameBytes));
    return text.section(u'\n', 0, 0).trimmed();
}

} // namespace

VCardSource::VCardSource(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir()) {
        const QDir directory(info.absoluteFilePath());
        // Sorted here rather than by QDir, whose sorted listing takes several times as long for
        // a vdir of many thousand cards.
        QStringList names;
        QDirIterator entries(directory.path(), QDir::Files);
        while (entries.hasNext()) {
            entries.next();
            if (QString name = entries.fileName(); isVCardFile(name)) {
                names.append(std::move(name));
            }
        }
        names.sort();
        m_files.reserve(names.size());
        for (const QString& name : names) {
            m_files.append(directory.filePath(name));
        }
        m_displayName = vdirDisplayName(directory);
        if (m_displayName.isEmpty()) {
            m_displayName = info.fileName();
        }
    } else {
        if (info.isFile() && isVCardFile(info.fileName())) {
            m_files.append(info.absoluteFilePath());
        }
        m_displayName = isVCardFile(info.fileName()) ? info.completeBaseName() : info.fileName();
    }
}

int VCardSource::Threads::idealCount()
{
    return QThread::idealThreadCount();
}

void VCardSource::readCards(const VCardReader::CardSink& sink) const
{
    // Like a broken card, a file that cannot be read costs only its own cards; the folder fails
    // only when nothing of it could be read.
    std::vector<char> readable(static_cast<std::size_t>(m_files.size()));
    QByteArray buffer;
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        const VCardFile file(m_files[i], buffer);
        if (file.read() != VCardFile::Read::Not) {
            const VCardText text(file.bytes());
            VCardReader(text.view(), VCardPropertyFilter::everything(), [&file] {
                return file.read() == VCardFile::Read::Partly;
            }).readAll(sink);
            readable[static_cast<std::size_t>(i)] = file.read() == VCardFile::Read::Whole;
        }
    }
    failUnlessAnyRead(readable);
}

void VCardSource::readCards(const VCardPropertyFilter& filter, const Threads& threads,
                            const PartCount& count, const PartSink& sink) const
{
    std::vector<char> readable(static_cast<std::size_t>(m_files.size()));
    if (m_files.size() == 1) {
        readInParts(filter, threads, count, sink, readable);
    } else {
        readInRuns(filter, threads, count, sink, readable);
    }
    failUnlessAnyRead(readable);
}

void VCardSource::readInParts(const VCardPropertyFilter& filter, const Threads& threads,
                              const PartCount& count, const PartSink& sink,
                              std::vector<char>& readable) const
{
    QByteArray buffer;
    const VCardFile file(m_files.front(), buffer);
    if (file.read() == VCardFile::Read::Not) {
        count(0);
        return;
    }
    const VCardText text(file.bytes());
    const QList<QByteArrayView> pieces = threads.count > 1
                                             ? VCardSplitter::split(text.view(), threads.partBytes)
                                             : QList<QByteArrayView>{text.view()};
    count(pieces.size());
    WorkerPool::run(pieces.size(), threads.count, [&](qsizetype index) {
        readPart(pieces[index], file, index + 1 == pieces.size(), filter, index, sink);
    });
    readable.front() = file.read() == VCardFile::Read::Whole;
}

void VCardSource::readInRuns(const VCardPropertyFilter& filter, const Threads& threads,
                             const PartCount& count, const PartSink& sink,
                             std::vector<char>& readable) const
{
    const qsizetype perRun =
        threads.count <= 1 || m_files.size() < threads.minFiles
            ? qMax(m_files.size(), qsizetype{1})
            : qBound(qsizetype{1}, m_files.size() / (qsizetype{threads.count} * 8), qsizetype{256});
    const qsizetype runs = (m_files.size() + perRun - 1) / perRun;
    count(runs);
    WorkerPool::run(runs, threads.count, [&](qsizetype run) {
        QByteArray buffer;
        const qsizetype end = qMin(m_files.size(), (run + 1) * perRun);
        for (qsizetype i = run * perRun; i < end; ++i) {
            const VCardFile file(m_files[i], buffer);
            if (file.read() != VCardFile::Read::Not) {
                const VCardText text(file.bytes());
                readPart(text.view(), file, true, filter, run, sink);
                readable[static_cast<std::size_t>(i)] = file.read() == VCardFile::Read::Whole;
            }
        }
    });
}

void VCardSource::failUnlessAnyRead(const std::vector<char>& readable) const
{
    const auto unreadable = std::find(readable.begin(), readable.end(), char{0});
    if (unreadable == readable.end() ||
        std::find(readable.begin(), readable.end(), char{1}) != readable.end()) {
        return;
    }
    throw Unreadable(m_files[unreadable - readable.begin()]);
}

} // namespace addrell
