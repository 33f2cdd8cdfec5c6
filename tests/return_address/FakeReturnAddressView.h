#pragma once

#include "automation/AutomationError.h"
#include "return_address/ListSink.h"
#include "return_address/ReturnAddressController.h"
#include "return_address/ReturnAddressView.h"

#include <QStringList>

namespace addrell::testing {

class StringListSink : public ListSink {
public:
    void clear() override { items.clear(); }
    void append(const QString& item) override { items << item; }
    QStringList items;
};

// The return address controls as plain values; setting the list index runs the handler.
class FakeReturnAddressView : public ReturnAddressView {
public:
    ListSink& addressItems() override { return cboAddress; }
    [[nodiscard]] int addressListIndex() const override { return listIndex; }
    void setAddressListIndex(int index) override
    {
        if (index < -1 || index >= cboAddress.items.size()) {
            throw AutomationError::runtime(RuntimeError::InvalidPropertyValue);
        }
        listIndex = index;
        if (index >= 0 && controller != nullptr) {
            controller->cboAddress_Click();
        }
    }
    ListSink& fileRows() override { return lstFile; }
    void setFileRowsVisible(bool visible) override { lstFileVisible = visible; }
    void setReturnText(const QString& text) override { txtReturn = text; }
    void setPathCaption(const QString& caption) override { lblPath = caption; }
    void setCurrentPage(int index) override { page = index; }

    ReturnAddressController* controller = nullptr;
    StringListSink cboAddress;
    StringListSink lstFile;
    int listIndex = -1;
    bool lstFileVisible = false;
    QString txtReturn;
    QString lblPath = QStringLiteral("lblPath");
    int page = 2;
};

} // namespace addrell::testing
