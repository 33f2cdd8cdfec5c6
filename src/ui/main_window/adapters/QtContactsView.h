#pragma once

#include "contacts/ContactsView.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace addrell {

class ControlSet;
class FlexGrid;
class TabControl;
class TextBox;

// The controls the contact handlers use.
class QtContactsView : public ContactsView {
public:
    explicit QtContactsView(const ControlSet& controls);

    [[nodiscard]] ContactGrid& grid() override;
    void setNextVisible(bool visible) override;
    void setPreviousVisible(bool visible) override;
    void setStatus(const QString& text) override;
    void setProgressRange(float min, float max) override;
    void setProgressValue(float value) override;
    void setProgressVisible(bool visible) override;
    void setCurrentPage(int page) override;
    void setAddressText(const QString& text) override;

private:
    FlexGrid* m_grid;
    QPushButton* m_next;
    QPushButton* m_previous;
    QLabel* m_status;
    QProgressBar* m_progress;
    TabControl* m_tabs;
    TextBox* m_address;
};

} // namespace addrell
