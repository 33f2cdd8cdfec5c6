#pragma once

#include <QString>

#include <cstdint>

namespace addrell {

// The contact grid's own members. Row 0 is the fixed header row, column 0 the narrow fixed
// column; a cell outside the grid is error 381.
class ContactGrid {
public:
    virtual ~ContactGrid() = default;

    [[nodiscard]] virtual std::int32_t Rows() const = 0;
    virtual void setRows(std::int32_t rows) = 0;
    [[nodiscard]] virtual std::int32_t Cols() const = 0;
    virtual void setCols(std::int32_t cols) = 0;
    // "|"-separated column segments; a leading "<" aligns left, the rest is the header text,
    // which also sizes the column.
    virtual void setFormatString(const QString& format) = 0;
    [[nodiscard]] virtual QString TextMatrix(std::int32_t row, std::int32_t col) const = 0;
    virtual void setTextMatrix(std::int32_t row, std::int32_t col, const QString& text) = 0;
    // The row at the end of the current selection.
    [[nodiscard]] virtual std::int32_t RowSel() const = 0;
    // Selects the data row `row` alone and makes it current; row 0, the header, selects none.
    virtual void selectOnly(std::int32_t row) = 0;

protected:
    ContactGrid() = default;
    ContactGrid(const ContactGrid&) = default;
    ContactGrid& operator=(const ContactGrid&) = default;
};

} // namespace addrell
