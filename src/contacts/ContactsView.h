#pragma once

#include <QString>

namespace addrell {

class ContactGrid;

// The controls the contact handlers use, other than the grid's own members.
class ContactsView {
public:
    virtual ~ContactsView() = default;

    [[nodiscard]] virtual ContactGrid& grid() = 0;           // MSFG1
    virtual void setNextVisible(bool visible) = 0;           // cmdNext
    virtual void setPreviousVisible(bool visible) = 0;       // cmdPrevious
    virtual void setStatus(const QString& text) = 0;         // lblstatus(1)
    virtual void setProgressRange(float min, float max) = 0; // pbrContacts
    virtual void setProgressValue(float value) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setCurrentPage(int page) = 0;            // SSTab1.Tab
    virtual void setAddressText(const QString& text) = 0; // txtAddress

protected:
    ContactsView() = default;
    ContactsView(const ContactsView&) = default;
    ContactsView& operator=(const ContactsView&) = default;
};

} // namespace addrell
