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

QByteArray pick(const auto& list, int number, int salt)
{
    return QByteArray(list[static_cast<std::size_t>((number * 7 + salt * 13) % list.size())]);
}

QByteArray smallCard(int number)
{
    const QByteArray n = QByteArray::number(number);
    const QByteArray given = pick(kGiven, number, number / 12);
    const QByteArray family = pick(kFamily, number, number);
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:5f3a" + n + "\r\nN:" + family + ";" + given +
           ";;;\r\nFN:" + given + " " + family + " " + n + "\r\nORG:Company " + n +
           ";Sales\r\nTEL;TYPE=WORK,VOICE:+1 555 010 " + n +
           "\r\nEMAIL;TYPE=INTERNET:" + given.toLower() + "." + n +
           "@example.org\r\nADR;TYPE=WORK:;;" + n + " Research Pkwy;" + pick(kCities, number, 3) +
           ";USA\r\nREV:20240105T101500Z\r\nEND:VCARD\r\n";
}

// A base64 photo of about 6 KB, folded at 75 octets as exporters do.
QByteArray foldedPhoto(int number, const QByteArray& indent)
{
    QByteArray raw(4500, '\0');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        raw[i] = static_cast<char>((i * 31 + number * 17) & 0xff);
    }
    const QByteArray encoded = raw.toBase64();
    QByteArray folded;
    for (qsizetype at = 0; at < encoded.size(); at += 74) {
        folded += (at == 0 ? QByteArray() : "\r\n" + indent) + encoded.mid(at, 74);
    }
    return folded + "\r\n";
}

QByteArray exportCard(int number)
{
    const QByteArray n = QByteArray::number(number);
    const QByteArray given = pick(kGiven, number, number / 12);
    const QByteArray family = pick(kFamily, number, number);
    const QByteArray city = pick(kCities, number, 3);
    const bool photo = number % 10 == 5;
    switch (number % 3) {
    case 0: // Outlook and old phones: 2.1 with quoted-printable values.
        return "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8:" + family + ";" + given +
               "\r\nFN;CHARSET=UTF-8:" + given + " " + family + " " + n +
               "\r\nORG:Hollow Creek Supply " + n +
               ";Purchasing\r\nTITLE:Buyer\r\n"
               "TEL;WORK;VOICE:+1 555 010 " +
               n + "\r\nTEL;CELL:+1 555 020 " + n + "\r\nADR;WORK;ENCODING=QUOTED-PRINTABLE:;;" +
               n + " Research Pkwy=0D=0ASuite 4" + "00;" + city +
               ";United States of America\r\n"
               "LABEL;WORK;ENCODING=QUOTED-PRINTABLE:" +
               n + " Research Pkwy=0D=0ASuite 400=0D=0A=\r\n" + city.left(city.indexOf(';')) +
               ", " + city.mid(city.indexOf(';') + 1, 2) + " " +
               city.mid(city.lastIndexOf(';') + 1) +
               "=0D=0AUnited States of America\r\n"
               "EMAIL;PREF;INTERNET:" +
               given.toLower() + "." + n +
               "@example.org\r\n"
               "NOTE;ENCODING=QUOTED-PRINTABLE:Met at the spring fair; prefers calls after 10 "
               "a.m.=0D=0A=\r\n"
               "Orders paper stock every quarter.\r\n" +
               (photo ? "PHOTO;TYPE=JPEG;ENCODING=BASE64:" + foldedPhoto(number, " ") + "\r\n"
                      : QByteArray()) +
               "REV:20240105T101500Z\r\nEND:VCARD\r\n";
    case 1: // Evolution and CardDAV servers: 3.0.
        return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:urn:uuid:5f3a" + n + "-aa0b-4c1d\r\nN:" + family +
               ";" + given + ";;;\r\nFN:" + given + " " + family +
               "\r\nX-EVOLUTION-FILE-AS:" + family + "\\, " + given + "\r\nORG:Company " + n +
               ";Sales\r\nTEL;TYPE=WORK,VOICE:+1 555 010 " + n + "\r\nTEL;TYPE=HOME:+1 555 030 " +
               n + "\r\nEMAIL;TYPE=INTERNET,WORK:" + given.toLower() + "." + n +
               "@example.org\r\nADR;TYPE=HOME:;;" + n + " Alder Street;" + city +
               ";USA\r\nADR;TYPE=WORK,PREF:;Building C;" + n + " Research Pkwy;" + city +
               ";USA\r\nNOTE:Sends the invoices by post\\, never by e-mail. Second line of the "
               "note\r\n"
               "  folded as exporters do.\r\nURL:https://example.org/" +
               n + "\r\n" +
               (photo ? "PHOTO;ENCODING=b;TYPE=JPEG:" + foldedPhoto(number, " ") : QByteArray()) +
               "CATEGORIES:Suppliers,Holiday cards\r\nREV:2024-01-05T10:15:00Z\r\nEND:VCARD\r\n";
    default: // Nextcloud, iOS, 4.0 writers: address labels as parameters.
        return "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:9c2e" + n +
               "\r\nKIND:individual\r\nN:" + family + ";" + given + ";;Dr.;\r\nFN:Dr. " + given +
               " " + family + "\r\nORG:" + "Tannery Works " + n +
               "\r\nTEL;VALUE=uri;TYPE=\"voice,work\":tel:+1-555-010-" + n +
               "\r\nEMAIL;TYPE=work:" + given.toLower() + "." + n +
               "@example.org\r\n"
               "ADR;TYPE=work;LABEL=\"" +
               n + " Research Pkwy\\n" + city.left(city.indexOf(';')) + "\":;;" + n +
               " Research Pkwy;" + city +
               ";USA\r\nBDAY:19800412\r\n"
               "NOTE:Prefers envelopes addressed to the company. Birthday card in April.\r\n" +
               (photo ? "PHOTO:data:image/jpeg;base64," + foldedPhoto(number, " ") : QByteArray()) +
               "REV:20240105T101500Z\r\nEND:VCARD\r\n";
    }
}

} // namespace

QByteArray CardFolders::card(Mix mix, int number)
{
    if (number % 100 == 99) {
        const QByteArray n = QByteArray::number(number);
        return "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Group " + n +
               "\r\nMEMBER:urn:uuid:" + n + "\r\nEND:VCARD\r\n";
    }
    return mix == Mix::Small ? smallCard(number) : exportCard(number);
}

const CardFolders::Folder& CardFolders::get(Layout layout, Mix mix, int count)
{
    const auto key = std::make_tuple(layout, mix, count);
    if (const auto found = m_folders.find(key); found != m_folders.end()) {
        return found->second;
    }
    Folder folder;
    if (layout == Layout::OneFile) {
        folder.path = m_root.filePath(QStringLiteral("cards-%1-%2.vcf").arg(int(mix)).arg(count));
        QByteArray bytes;
        for (int i = 0; i < count; ++i) {
            bytes += card(mix, i);
        }
        writeFile(folder.path, bytes);
        folder.bytes = bytes.size();
    } else {
        folder.path = m_root.filePath(QStringLiteral("vdir-%1-%2").arg(int(mix)).arg(count));
        QDir().mkpath(folder.path);
        writeFile(folder.path + QStringLiteral("/displayname"), "Benchmark\n");
        for (int i = 0; i < count; ++i) {
            const QByteArray bytes = card(mix, i);
            writeFile(folder.path + QStringLiteral("/%1.vcf").arg(i, 6, 10, QLatin1Char('0')),
                      bytes);
            folder.bytes += bytes.size();
        }
    }
    return m_folders.emplace(key, folder).first->second;
}

const CardFolders::Folder& CardFolders::forRun(const benchmark::State& state)
{
    static CardFolders instance;
    return instance.get(state.range(0) == 0 ? Layout::OneFile : Layout::Vdir,
                        state.range(2) == 0 ? Mix::Small : Mix::Export,
                        static_cast<int>(state.range(1)));
}

} // namespace addrell::bench
