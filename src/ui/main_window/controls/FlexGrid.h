#pragma once

#include "contacts/ContactGrid.h"

#include <QTableView>

#include <vector>

namespace addrell {

class FlexGridModel;

// The contact grid: a fixed header row whose texts come from the format string and size the
// columns, a narrow fixed first column, and cells that show up to six lines of their text.
// Ctrl and Shift clicks, Shift with the arrows and Ctrl+A select several whole rows; only a plain
// click is reported as mouseUp.
class FlexGrid : public QTableView, public ContactGrid {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    [[nodiscard]] std::int32_t Rows() const override;
    void setRows(std::int32_t rows) override;
    [[nodiscard]] std::int32_t Cols() const override;
    void setCols(std::int32_t cols) override;
    void setFormatString(const QString& format) override;
    [[nodiscard]] QString TextMatrix(std::int32_t row, std::int32_t col) const override;
    void setTextMatrix(std::int32_t row, std::int32_t col, const QString& text) override;
    [[nodiscard]] std::int32_t RowSel() const override;
    // Every selected contact row (1 to Rows - 1), in grid order.
    [[nodiscard]] std::vector<std::int32_t> selectedRows() const;

signals:
    void mouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitRows();

    FlexGridModel* m_model;
};

} // namespace addrell
