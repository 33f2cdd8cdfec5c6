#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace addrell {

// Contacts dropped anywhere on the window (a card dragged from an address book program, a `.vcf`
// file from a file manager) do what "Use Contact" does with the same data on the clipboard.
// Other drags, such as text onto a text box, are left to the widget under them.
class ContactDropFilter : public QObject {
    Q_OBJECT
public:
    // Watches `window` and every widget in it; `useContact` runs Use Contact.
    ContactDropFilter(QWidget& window, std::function<void()> useContact);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_useContact;
    bool m_dragHoldsCards = false;
};

} // namespace addrell
