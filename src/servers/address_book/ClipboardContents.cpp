#include "servers/address_book/ClipboardContents.h"

#include "servers/address_book/contact/VCardContacts.h"
#include "vcard/VCardReader.h"
#include "vcard/VCardSource.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <optional>
#include <utility>

namespace addrell {

namespace {

// text/directory is the older name of the same format.
const QStringList kVCardMimeTypes = {QStringLiteral("text/vcard"), QStringLiteral("text/x-vcard"),
                                     QStringLiteral("text/directory")};

// The first offered format that is vCard, parameters such as `;charset=` ignored.
std::optional<QString> vCardFormat(const QMimeData& data)
{
    for (const QString& format : data.formats()) {
        const QString type = format.section(u';', 0, 0).trimmed();
        for (const QString& vCardType : kVCardMimeTypes) {
            if (type.compare(vCardType, Qt::CaseInsensitive) == 0) {
                return format;
            }
        }
    }
    return std::nullopt;
}

QStringList localVCardFiles(const QMimeData& data)
{
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) {
            continue;
        }
        const QFileInfo info(url.toLocalFile());
        if (info.isFile() && info.suffix().compare(u"vcf", Qt::CaseInsensitive) == 0) {
            files.append(info.absoluteFilePath());
        }
    }
    return files;
}

bool startsLikeVCard(const QString& text)
{
    QStringView rest(text);
    while (!rest.isEmpty() && (rest.front().isSpace() || rest.front() == QChar::ByteOrderMark)) {
        rest = rest.sliced(1);
    }
    return rest.startsWith(u"BEGIN:VCARD", Qt::CaseInsensitive);
}

std::vector<VCardContact> cardsIn(QByteArray bytes, QLocale::Territory home)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<VCardContact> cards;
    VCardReader(buffer).readAll([&](const VCard& card) { cards.emplace_back(card, home); });
    return cards;
}

std::vector<VCardContact> cardsIn(const QStringList& files, QLocale::Territory home)
{
    std::vector<VCardContact> cards;
    for (const QString& file : files) {
        VCardContacts::readCards(VCardSource(file),
                                 [&](const VCard& card) { cards.emplace_back(card, home); });
    }
    return cards;
}

} // namespace

ClipboardContents::ClipboardContents(Kind kind, std::vector<VCardContact> cards)
    : m_kind(kind), m_cards(std::move(cards))
{
}

ClipboardContents ClipboardContents::read(const QMimeData* data, QLocale::Territory home)
{
    if (data == nullptr || data->formats().isEmpty()) {
        return ClipboardContents(Kind::Empty);
    }
    if (const std::optional<QString> format = vCardFormat(*data)) {
        return ClipboardContents(Kind::Cards, cardsIn(data->data(*format), home));
    }
    if (data->hasUrls()) {
        if (const QStringList files = localVCardFiles(*data); !files.isEmpty()) {
            return ClipboardContents(Kind::Cards, cardsIn(files, home));
        }
    }
    if (data->hasText()) {
        if (const QString text = data->text(); startsLikeVCard(text)) {
            return ClipboardContents(Kind::Cards, cardsIn(text.toUtf8(), home));
        }
    }
    return ClipboardContents(Kind::Other);
}

} // namespace addrell
