#include "servers/address_book/books/ThunderbirdBooks.h"

#include "servers/address_book/books/ThunderbirdBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace addrell {

namespace {

using namespace Qt::Literals::StringLiterals;

struct Profile {
    QString name;
    QString folder;
};

// A book as the profile's preferences name it: its key, its name and its file.
struct BookEntry {
    QString key;
    QString name;
    QString fileName;
};

// Files bigger than this are no preferences or profile list of Thunderbird's.
constexpr qint64 kMaxSettingsBytes = qint64{16} << 20;

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSettingsBytes) {
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

// The profiles of one Thunderbird home, from its `profiles.ini`.
std::vector<Profile> profilesIn(const QString& base)
{
    std::vector<Profile> profiles;
    QHash<QString, QString> section;
    const auto finish = [&] {
        const QString path = section.value(u"Path"_s);
        if (!path.isEmpty()) {
            const QString folder =
                section.value(u"IsRelative"_s) == u"1"_s ? QDir(base).filePath(path) : path;
            profiles.push_back({section.value(u"Name"_s, path), QDir::cleanPath(folder)});
        }
        section.clear();
    };
    bool inProfile = false;
    for (const QString& raw : readText(base + u"/profiles.ini"_s).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            if (inProfile) {
                finish();
            }
            inProfile = line.startsWith(u"[Profile"_s, Qt::CaseInsensitive);
        } else if (const qsizetype equals = line.indexOf(u'='); inProfile && equals > 0) {
            section.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    if (inProfile) {
        finish();
    }
    return profiles;
}

// A JavaScript string literal's text, as prefs.js writes it.
QString unescaped(QStringView literal)
{
    QString text;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        if (literal[i] != u'\\' || i + 1 == literal.size()) {
            text += literal[i];
            continue;
        }
        const QChar next = literal[++i];
        if (next == u'n') {
            text += u'\n';
        } else if (next == u'u' && i + 4 < literal.size()) {
            text += QChar(literal.sliced(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else {
            text += next;
        }
    }
    return text;
}

// The profile's address books: the two every profile has, and every one its preferences name.
std::vector<BookEntry> booksIn(const QString& profileFolder)
{
    // The names Thunderbird gives its two own books, which prefs.js holds only when renamed.
    std::vector<BookEntry> books = {{u"pab"_s, u"Personal Address Book"_s, u"abook.sqlite"_s},
                                    {u"history"_s, u"Collected Addresses"_s, u"history.sqlite"_s}};
    static const QRegularExpression pref(
        uR"re(user_pref\(\s*"ldap_2\.servers\.([^".]+)\.(description|filename)"\s*,\s*"((?:[^"\\]|\\.)*)"\s*\))re"_s);
    const QString prefs = readText(profileFolder + u"/prefs.js"_s);
    for (const QRegularExpressionMatch& match : pref.globalMatch(prefs)) {
        const QString key = match.captured(1);
        const QString value = unescaped(match.capturedView(3));
        auto book = std::find_if(books.begin(), books.end(),
                                 [&](const BookEntry& entry) { return entry.key == key; });
        if (book == books.end()) {
            book = books.insert(books.end(), {key, QString(), QString()});
        }
        // A "chrome://" name is one Thunderbird translates; its own books keep their names.
        if (match.captured(2) == u"filename"_s) {
            book->fileName = value;
        } else if (!value.startsWith(u"chrome://"_s)) {
            book->name = value;
        }
    }
    for (BookEntry& book : books) {
        if (book.name.isEmpty()) {
            book.name = QFileInfo(book.fileName).completeBaseName();
        }
    }
    // As Thunderbird lists them: its personal book first, collected addresses last.
    std::stable_sort(books.begin() + 2, books.end(), [](const BookEntry& a, const BookEntry& b) {
        return a.name.localeAwareCompare(b.name) < 0;
    });
    std::rotate(books.begin() + 1, books.begin() + 2, books.end());
    return books;
}

AddressBook book(const QString& name, const QString& path, std::optional<qint64> count)
{
    return AddressBook(
        name, [path](const VCardReader::CardSink& sink) { ThunderbirdBook(path).readCards(sink); },
        count);
}

} // namespace

std::optional<AddressBookGroup> ThunderbirdBooks::find(const QString& home)
{
    const QStringList bases = {home + u"/.thunderbird"_s,
                               home + u"/snap/thunderbird/common/.thunderbird"_s,
                               home + u"/.var/app/org.mozilla.Thunderbird/.thunderbird"_s};
    QSet<QString> seen;
    std::vector<AddressBookGroup> profiles;
    for (const QString& base : bases) {
        for (const Profile& profile : profilesIn(base)) {
            const QString canonical = QFileInfo(profile.folder).canonicalFilePath();
            if (canonical.isEmpty() || seen.contains(canonical)) {
                continue;
            }
            seen.insert(canonical);
            AddressBookGroup group{profile.name, {}, {}};
            for (const BookEntry& entry : booksIn(profile.folder)) {
                const QString path = QDir(profile.folder).filePath(entry.fileName);
                if (!entry.fileName.endsWith(u".sqlite"_s) || !QFileInfo(path).isFile()) {
                    continue;
                }
                if (const std::optional<qint64> count = ThunderbirdBook(path).count()) {
                    group.books.push_back(book(entry.name, path, count));
                }
            }
            if (!group.books.empty()) {
                profiles.push_back(std::move(group));
            }
        }
    }
    if (profiles.empty()) {
        return std::nullopt;
    }
    AddressBookGroup thunderbird{u"Thunderbird"_s, {}, {}};
    if (profiles.size() == 1) {
        thunderbird.books = std::move(profiles.front().books);
    } else {
        thunderbird.groups = std::move(profiles);
    }
    return thunderbird;
}

AddressBook ThunderbirdBooks::bookAt(const QString& path)
{
    const QFileInfo info(path);
    QString name = info.completeBaseName();
    for (const BookEntry& entry : booksIn(info.absolutePath())) {
        if (entry.fileName == info.fileName()) {
            name = entry.name;
        }
    }
    return book(name, info.absoluteFilePath(), std::nullopt);
}

} // namespace addrell
