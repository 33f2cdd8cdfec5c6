#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <vector>

namespace addrell {

// The cells of a grid whose row 0 is its fixed header: model row r is grid row r + 1, and the
// header texts are grid row 0. Cell changes are announced once the event loop runs again, so a
// long fill costs no per-cell view updates.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridModel(QObject* parent = nullptr);

    [[nodiscard]] std::int32_t gridRows() const noexcept;
    [[nodiscard]] std::int32_t gridCols() const noexcept { return m_cols; }
    void setGridRows(std::int32_t rows);
    void setGridCols(std::int32_t cols);
    [[nodiscard]] const QString& cell(std::int32_t row, std::int32_t col) const;
    void setCell(std::int32_t row, std::int32_t col, const QString& text);
    void setAlignment(std::int32_t col, Qt::Alignment alignment);
    // The lines the tallest data row shows (at most six), for the row height.
    [[nodiscard]] int rowLines() const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

signals:
    void cellsChanged();

private:
    void announceLater();
    void announce();
    void checkCell(std::int32_t row, std::int32_t col) const;

    [[nodiscard]] std::size_t at(std::int32_t row, std::int32_t col) const noexcept;

    // Row by row, header included, in one block: a folder of many thousand contacts costs no
    // allocation per row, and a cell's text is shared with the contact it came from.
    std::vector<QString> m_cells;
    std::int32_t m_rows = 0;
    std::int32_t m_cols = 0;
    std::vector<Qt::Alignment> m_alignment;
    bool m_announcing = false;
};

} // namespace addrell
