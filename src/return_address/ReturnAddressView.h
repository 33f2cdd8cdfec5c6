#pragma once

#include <QString>

namespace addrell {

class ListSink;

// What the return address handlers need of the window.
class ReturnAddressView {
public:
    virtual ~ReturnAddressView() = default;

    // cboAddress: its items, and the index of the selected one (-1 when none is).
    [[nodiscard]] virtual ListSink& addressItems() = 0;
    [[nodiscard]] virtual int addressListIndex() const = 0;
    // Selects that item and runs the selection handler before returning, even when the index
    // does not change. Error 380 when no such item exists.
    virtual void setAddressListIndex(int index) = 0;

    // lstFile: every line read from the file, shown only when an entry is malformed.
    [[nodiscard]] virtual ListSink& fileRows() = 0;
    virtual void setFileRowsVisible(bool visible) = 0;

    virtual void setReturnText(const QString& text) = 0;     // txtReturn
    virtual void setPathCaption(const QString& caption) = 0; // lblPath
    virtual void setCurrentPage(int page) = 0;               // SSTab1.Tab

protected:
    ReturnAddressView() = default;
    ReturnAddressView(const ReturnAddressView&) = default;
    ReturnAddressView& operator=(const ReturnAddressView&) = default;
};

} // namespace addrell
