#pragma once

#include "printing/SelectionView.h"

class QLabel;
class QProgressBar;

namespace addrell {

class ControlSet;
class FlexGrid;

// The controls that printing the selected contacts reads and shows its progress in.
class QtSelectionView : public SelectionView {
public:
    explicit QtSelectionView(const ControlSet& controls);

    [[nodiscard]] std::vector<std::int32_t> selectedRows() const override;
    [[nodiscard]] QString recipient(std::int32_t row) const override;
    [[nodiscard]] bool hasAddress(std::int32_t row) const override;
    [[nodiscard]] QString status() const override;
    void setStatus(const QString& text) override;
    void setProgress(int done, int total) override;

private:
    FlexGrid* m_grid;
    QLabel* m_status;
    QProgressBar* m_progress;
};

} // namespace addrell
