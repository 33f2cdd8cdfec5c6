#pragma once

#include <exception>

namespace addrell {

class AutomationError;
class ContactFolderLoader;
class ContactsView;
class Dialogs;
struct ContactsState;
struct ServerFactories;

// "Use Contact": the contact selected in the contacts program becomes the recipient; without a
// window or a contact there, the user picks a contacts folder instead. It reports every failure
// itself, whatever was thrown, and then releases its references.
class UseContact {
public:
    UseContact(ContactsState& state, const ServerFactories& factories, ContactFolderLoader& loader,
               ContactsView& view, Dialogs& dialogs);

    void cmdPreview_Click();

private:
    // False when the operation ended early and keeps its references.
    [[nodiscard]] bool takeSelectedContact();
    void handleError(const std::exception_ptr& failure) noexcept;
    void reportError(const AutomationError& error);
    void release();

    ContactsState& m_state;
    const ServerFactories& m_factories;
    ContactFolderLoader& m_loader;
    ContactsView& m_view;
    Dialogs& m_dialogs;
};

} // namespace addrell
