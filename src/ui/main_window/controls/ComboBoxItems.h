#pragma once

#include "return_address/ListSink.h"

class QComboBox;

namespace addrell {

// The items of an editable combo box. Adding items never selects one or changes the edit text,
// unlike a bare QComboBox, which selects the first item added.
class ComboBoxItems : public ListSink {
public:
    explicit ComboBoxItems(QComboBox* combo) : m_combo(combo) {}

    void clear() override;
    void append(const QString& item) override;

private:
    QComboBox* m_combo;
};

} // namespace addrell
