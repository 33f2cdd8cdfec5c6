#pragma once

#include "return_address/ListSink.h"

class QListWidget;

namespace addrell {

// The rows of a list box, in the order they are added.
class ListBoxRows : public ListSink {
public:
    explicit ListBoxRows(QListWidget* list) : m_list(list) {}

    void clear() override;
    void append(const QString& item) override;

private:
    QListWidget* m_list;
};

} // namespace addrell
