#include "servers/address_book/contact/VCardContacts.h"

#include "automation/AutomationError.h"

#include <QDir>

#include <iterator>
#include <utility>

namespace addrell {

namespace {

[[noreturn]] void throwAccessError(const VCardSource::Unreadable& error)
{
    throw AutomationError(
        RuntimeError::PathFileAccessError,
        QStringLiteral("Path/File access error: %1").arg(QDir::toNativeSeparators(error.path())),
        kApplicationTitle);
}

} // namespace

std::vector<VCardContact> VCardContacts::read(const VCardSource& source, QLocale::Territory home)
{
    return read(source, home, VCardSource::Threads());
}

std::vector<VCardContact> VCardContacts::read(const VCardSource& source, QLocale::Territory home,
                                              const VCardSource::Threads& threads)
{
    // Each part is mapped on the thread that reads it, into a list of its own.
    std::vector<std::vector<VCardContact>> parts;
    try {
        source.readCards(
            VCardContact::readProperties(), threads,
            [&parts](qsizetype count) { parts.resize(static_cast<std::size_t>(count)); },
            [&parts, home](qsizetype part, const VCard& card) {
                parts[static_cast<std::size_t>(part)].emplace_back(card, home);
            });
    } catch (const VCardSource::Unreadable& error) {
        throwAccessError(error);
    }
    std::size_t total = 0;
    for (const std::vector<VCardContact>& part : parts) {
        total += part.size();
    }
    std::vector<VCardContact> contacts;
    contacts.reserve(total);
    for (std::vector<VCardContact>& part : parts) {
        std::move(part.begin(), part.end(), std::back_inserter(contacts));
        part = {};
    }
    return contacts;
}

void VCardContacts::readCards(const VCardSource& source, const VCardReader::CardSink& sink)
{
    try {
        source.readCards(sink);
    } catch (const VCardSource::Unreadable& error) {
        throwAccessError(error);
    }
}

} // namespace addrell
