#pragma once

#include "contacts/ContactGrid.h"

#include <QTableView>

#include <vector>

namespace addrell {

class FlexGridModel;

// The contact grid: a fixed header row whose texts come from the format string and size the
// columns, a narrow fixed first column, and cells that show up to six lines of their text.
// Ctrl and Shift clicks, Shift with the arrows and Ctrl+A select several whole rows. A plain press
// selects one row, which follows the pointer while the button is held; its release leaves the row
// under the pointer selected alone and is reported as mouseUp.
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
    void selectOnly(std::int32_t row) override;
    // Every selected contact row (1 to Rows - 1), in grid order.
    [[nodiscard]] std::vector<std::int32_t> selectedRows() const;

signals:
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitRows();

    FlexGridModel* m_model;
    bool m_plainPress = true; // the last press had neither Ctrl nor Shift
};

} // namespace addrell
