#pragma once

#include <QString>

namespace addrell {

// A print queue as the printer list shows it.
struct PrinterEntry {
    QString name;
    bool isDefault = false;
    bool acceptingJobs = true;

    // "Office (default)", "Hall (not accepting jobs)".
    [[nodiscard]] QString label() const;

    friend bool operator==(const PrinterEntry&, const PrinterEntry&) = default;
};

} // namespace addrell
