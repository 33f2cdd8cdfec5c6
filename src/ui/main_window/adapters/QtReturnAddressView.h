#pragma once

#include "return_address/ReturnAddressView.h"
#include "ui/main_window/controls/ComboBoxItems.h"
#include "ui/main_window/controls/ListBoxRows.h"

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;

namespace addrell {

class ControlSet;
class TextBox;
class TabControl;

// The return address controls of the main window.
class QtReturnAddressView : public ReturnAddressView {
public:
    // `onSelect` is cboAddress's selection handler, run when code sets the list index.
    QtReturnAddressView(const ControlSet& controls, std::function<void()> onSelect);

    [[nodiscard]] ListSink& addressItems() override { return m_addressItems; }
    [[nodiscard]] int addressListIndex() const override;
    void setAddressListIndex(int index) override;
    [[nodiscard]] ListSink& fileRows() override { return m_fileRows; }
    void setFileRowsVisible(bool visible) override;
    void setReturnText(const QString& text) override;
    void setPathCaption(const QString& caption) override;
    void setCurrentPage(int page) override;

private:
    QComboBox* m_cboAddress;
    QListWidget* m_lstFile;
    TextBox* m_txtReturn;
    QLabel* m_lblPath;
    TabControl* m_tabs;
    ComboBoxItems m_addressItems;
    ListBoxRows m_fileRows;
    std::function<void()> m_onSelect;
};

} // namespace addrell
