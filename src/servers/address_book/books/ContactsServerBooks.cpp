#include "servers/address_book/books/ContactsServerBooks.h"

#include "servers/address_book/books/AddressBookError.h"
#include "servers/address_book/books/GLibObjects.h"
#include "servers/address_book/books/ReadVCardText.h"

#include <libebook/libebook.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace addrell {

namespace {

// A remote book is read from its local copy, without waiting for its account to connect.
constexpr guint32 kDoNotWait = static_cast<guint32>(-1);
// Every card there is; the server has no simpler query for that.
constexpr const char* kAllCards = R"((contains "x-evolution-any-field" ""))";

// Cancels a call that is still running after `timeout`.
class Deadline {
public:
    Deadline(GCancellable* cancellable, std::chrono::milliseconds timeout)
        : m_watch([cancellable, timeout, this](std::stop_token stop) {
              std::unique_lock lock(m_mutex);
              if (!m_woken.wait_for(lock, stop, timeout, [] { return false; }) &&
                  !stop.stop_requested()) {
                  g_cancellable_cancel(cancellable);
              }
          })
    {
    }

private:
    std::mutex m_mutex;
    std::condition_variable_any m_woken;
    std::jthread m_watch; // last: stopped and joined before the rest goes
};

AutomationError loadError(const QString& book, GCancellable* cancellable, const char* reason)
{
    const QString why = g_cancellable_is_cancelled(cancellable)
                            ? QStringLiteral("it did not answer within %1 seconds.")
                                  .arg(std::chrono::duration_cast<std::chrono::seconds>(
                                           ContactsServerBooks::kReadTimeout)
                                           .count())
                            : QString::fromUtf8(reason);
    return AutomationError(
        AddressBookError::kServerException,
        QStringLiteral("The contacts server could not read the address book \"%1\": %2")
            .arg(book, why),
        AddressBookError::kSource);
}

void readBook(ESource* source, const QString& name, const VCardReader::CardSink& sink)
{
    // A server that stopped answering would hold the window for two D-Bus timeouts.
    const glib::Object<GCancellable> cancellable(g_cancellable_new());
    glib::ErrorSlot error;
    GSList* found = nullptr;
    {
        const Deadline deadline(cancellable.get(), ContactsServerBooks::kReadTimeout);
        const glib::Object<EClient> client(
            e_book_client_connect_sync(source, kDoNotWait, cancellable.get(), error.out()));
        if (!client || !e_book_client_get_contacts_sync(E_BOOK_CLIENT(client.get()), kAllCards,
                                                        &found, cancellable.get(), error.out())) {
            throw loadError(name, cancellable.get(), error.message());
        }
    }
    const glib::ObjectSList contacts(found);
    QByteArray text;
    for (const GSList* node = contacts.get(); node != nullptr; node = node->next) {
        const glib::String card(e_vcard_to_string(E_VCARD(node->data), EVC_FORMAT_VCARD_30));
        text.append(card.get()).append("\r\n");
    }
    readVCardText(std::move(text), sink);
}

} // namespace

std::vector<AddressBook> ContactsServerBooks::find(std::chrono::milliseconds timeout)
{
    const glib::Object<GCancellable> cancellable(g_cancellable_new());
    ESourceRegistry* created = nullptr;
    {
        const Deadline deadline(cancellable.get(), timeout);
        glib::ErrorSlot error;
        created = e_source_registry_new_sync(cancellable.get(), error.out());
    }
    if (created == nullptr) {
        return {};
    }
    const std::shared_ptr<ESourceRegistry> registry = glib::shared(created);

    std::vector<AddressBook> books;
    const glib::ObjectList sources(
        e_source_registry_list_enabled(registry.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK));
    for (const GList* node = sources.get(); node != nullptr; node = node->next) {
        auto* source = static_cast<ESource*>(node->data);
        // "Contacts (alice@example.org)" where two accounts each have "Contacts".
        const glib::String unique(e_source_registry_dup_unique_display_name(
            registry.get(), source, E_SOURCE_EXTENSION_ADDRESS_BOOK));
        const QString name = QString::fromUtf8(unique.get());
        const std::shared_ptr<ESource> held = glib::shared(E_SOURCE(g_object_ref(source)));
        // The registry the source belongs to stays alive until the book has been read.
        books.emplace_back(name, [registry, held, name](const VCardReader::CardSink& sink) {
            readBook(held.get(), name, sink);
        });
    }
    // The server lists them in no particular order.
    std::sort(books.begin(), books.end(), [](const AddressBook& a, const AddressBook& b) {
        return a.name().localeAwareCompare(b.name()) < 0;
    });
    return books;
}

} // namespace addrell
