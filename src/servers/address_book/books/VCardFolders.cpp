#include "servers/address_book/books/VCardFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace addrell {

namespace {

using namespace Qt::Literals::StringLiterals;

// A display name is one short line.
constexpr qint64 kMaxDisplayNameBytes = 4096;

// As the folder will name itself once loaded: its vdir `displayname`, else its own name.
QString nameOf(const QString& folder)
{
    QFile file(folder + u"/displayname"_s);
    if (file.open(QIODevice::ReadOnly)) {
        const QString name =
            QString::fromUtf8(file.read(kMaxDisplayNameBytes)).section(u'\n', 0, 0).trimmed();
        if (!name.isEmpty()) {
            return name;
        }
    }
    return QDir(folder).dirName();
}

QStringList subfolders(const QString& folder)
{
    QStringList found;
    QDirIterator entries(folder, QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        found << entries.next();
    }
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    return found;
}

} // namespace

bool VCardFolders::holdsCards(const QString& folder)
{
    // The name filter ignores case, so it matches `.VCF` too.
    QDirIterator entries(folder, {u"*.vcf"_s}, QDir::Files);
    return entries.hasNext();
}

std::optional<AddressBookGroup> VCardFolders::find(const QString& home, const QString& dataHome)
{
    AddressBookGroup group{u"Folders"_s, {}, {}};
    for (const auto& [base, name] : {std::pair(dataHome, u"contacts"_s), {home, u".contacts"_s}}) {
        const QString root = QDir(base).filePath(name);
        if (base.isEmpty() || !QFileInfo(root).isDir()) {
            continue;
        }
        for (const QString& folder : QStringList{root} + subfolders(root)) {
            if (holdsCards(folder)) {
                group.books.push_back(AddressBook::vCardFiles(folder, nameOf(folder)));
            }
        }
    }
    if (group.books.empty()) {
        return std::nullopt;
    }
    return group;
}

} // namespace addrell
