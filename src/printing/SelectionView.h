#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace addrell {

// What printing several envelopes reads and shows: the contact rows selected in MSFG1, and
// the progress bar and status line while the pages are drawn.
class SelectionView {
public:
    virtual ~SelectionView() = default;

    // The selected contact rows (1 to Rows - 1), in grid order.
    [[nodiscard]] virtual std::vector<std::int32_t> selectedRows() const = 0;
    // The recipient a row gives, composed as browsing puts it into txtAddress.
    [[nodiscard]] virtual QString recipient(std::int32_t row) const = 0;
    // False for a row whose mailing address is empty or blank.
    [[nodiscard]] virtual bool hasAddress(std::int32_t row) const = 0;
    [[nodiscard]] virtual QString status() const = 0; // lblstatus(1)
    virtual void setStatus(const QString& text) = 0;
    // Shows the bar at `done` of `total`; a negative total hides it again.
    virtual void setProgress(int done, int total) = 0; // pbrContacts

protected:
    SelectionView() = default;
    SelectionView(const SelectionView&) = default;
    SelectionView& operator=(const SelectionView&) = default;
};

} // namespace addrell
