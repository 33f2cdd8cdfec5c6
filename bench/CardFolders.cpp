#include "CardFolders.h"

#include <QDir>
#include <QFile>

#include <array>
#include <stdexcept>

namespace addrell::bench {

namespace {

constexpr std::array kGiven = {"Aiko",  "Benedikt", "Chidi",  "Diego", "Élodie", "Farah",
                               "Grace", "Hiroshi",  "Ingrid", "Jun",   "Kwame",  "Linnea"};
constexpr std::array kFamily = {"Nakamura", "Okafor", "Abara",   "Castillo",
                                "Tremblay", "Haddad", "Ellison", "Takahashi",
                                "Solberg",  "Wei",    "Mensah",  "Bergström"};
constexpr std::array kCities = {"Ann Arbor;MI;48105", "Tulsa;OK;74103",  "Boise;ID;83702",
                                "Reno;NV;89501",      "Austin;TX;78701", "Portland;ME;04101"};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace

QByteArray CardFolders::card(int number)
{
    const auto pick = [number](const auto& list, int salt) {
        return QByteArray(list[static_cast<std::size_t>((number * 7 + salt * 13) % list.size())]);
    };
    const QByteArray n = QByteArray::number(number);
    if (number % 100 == 99) {
        return "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Group " + n +
               "\r\nMEMBER:urn:uuid:" + n + "\r\nEND:VCARD\r\n";
    }
    const QByteArray given = pick(kGiven, number / 12);
    const QByteArray family = pick(kFamily, number);
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:5f3a" + n + "\r\nN:" + family + ";" + given +
           ";;;\r\nFN:" + given + " " + family + " " + n + "\r\nORG:Company " + n +
           ";Sales\r\nTEL;TYPE=WORK,VOICE:+1 555 010 " + n +
           "\r\nEMAIL;TYPE=INTERNET:" + given.toLower() + "." + n +
           "@example.org\r\nADR;TYPE=WORK:;;" + n + " Research Pkwy;" + pick(kCities, 3) +
           ";USA\r\nREV:20240105T101500Z\r\nEND:VCARD\r\n";
}

const CardFolders::Folder& CardFolders::get(Layout layout, int count)
{
    const auto key = std::make_pair(layout, count);
    if (const auto found = m_folders.find(key); found != m_folders.end()) {
        return found->second;
    }
    Folder folder;
    if (layout == Layout::OneFile) {
        folder.path = m_root.filePath(QStringLiteral("cards-%1.vcf").arg(count));
        QByteArray bytes;
        for (int i = 0; i < count; ++i) {
            bytes += card(i);
        }
        writeFile(folder.path, bytes);
        folder.bytes = bytes.size();
    } else {
        folder.path = m_root.filePath(QStringLiteral("vdir-%1").arg(count));
        QDir().mkpath(folder.path);
        writeFile(folder.path + QStringLiteral("/displayname"), "Benchmark\n");
        for (int i = 0; i < count; ++i) {
            const QByteArray bytes = card(i);
            writeFile(folder.path + QStringLiteral("/%1.vcf").arg(i, 6, 10, QLatin1Char('0')),
                      bytes);
            folder.bytes += bytes.size();
        }
    }
    return m_folders.emplace(key, folder).first->second;
}

} // namespace addrell::bench
