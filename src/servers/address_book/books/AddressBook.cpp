#include "servers/address_book/books/AddressBook.h"

#include "servers/address_book/books/ThunderbirdBooks.h"

#include <QFileInfo>

#include <utility>

namespace addrell {

AddressBook::AddressBook(QString name, CardFeed feed, std::optional<qint64> count)
    : m_name(std::move(name)), m_count(count), m_feed(std::move(feed))
{
}

AddressBook AddressBook::fromPath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.suffix().compare(u"sqlite", Qt::CaseInsensitive) == 0) {
        return ThunderbirdBooks::bookAt(info.absoluteFilePath());
    }
    return vCardFiles(path, info.fileName());
}

AddressBook AddressBook::vCardFiles(const QString& path, QString name)
{
    AddressBook book(std::move(name), {});
    book.m_path = path;
    return book;
}

} // namespace addrell
