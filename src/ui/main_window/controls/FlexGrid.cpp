#include "ui/main_window/controls/FlexGrid.h"

#include "ui/main_window/controls/FlexGridModel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace addrell {

namespace {

constexpr int kCellPadding = 8;
// The grid's own colour around its cells.
const QColor kBackgroundBeyondCells(128, 128, 128);

bool extendsSelection(Qt::KeyboardModifiers keys)
{
    return (keys & (Qt::ControlModifier | Qt::ShiftModifier)) != 0;
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), m_model(new FlexGridModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control rather than moving between cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    QPalette headerPalette = horizontalHeader()->palette();
    headerPalette.setColor(QPalette::Base, kBackgroundBeyondCells);
    headerPalette.setColor(QPalette::Window, kBackgroundBeyondCells);
    horizontalHeader()->setPalette(headerPalette);
    connect(m_model, &FlexGridModel::cellsChanged, this, &FlexGrid::fitRows);
    m_model->setGridCols(2);
    m_model->setGridRows(2);
    fitRows();
}

std::int32_t FlexGrid::Rows() const
{
    return m_model->gridRows();
}

void FlexGrid::setRows(std::int32_t rows)
{
    m_model->setGridRows(rows);
}

std::int32_t FlexGrid::Cols() const
{
    return m_model->gridCols();
}

void FlexGrid::setCols(std::int32_t cols)
{
    m_model->setGridCols(cols);
}

void FlexGrid::setFormatString(const QString& format)
{
    const QStringList segments = format.split(u'|');
    if (segments.size() > Cols()) {
        setCols(static_cast<std::int32_t>(segments.size()));
    }
    const QFontMetrics metrics(horizontalHeader()->font());
    for (std::int32_t col = 0; col < segments.size(); ++col) {
        QString text = segments[col];
        Qt::Alignment alignment = Qt::AlignLeft;
        if (text.startsWith(u'<') || text.startsWith(u'^') || text.startsWith(u'>')) {
            alignment = text.front() == u'<'   ? Qt::AlignLeft
                        : text.front() == u'^' ? Qt::AlignHCenter
                                               : Qt::AlignRight;
            text.remove(0, 1);
        }
        m_model->setAlignment(col, alignment);
        m_model->setCell(0, col, text);
        // The header text, trailing blanks included, sets the column's width.
        setColumnWidth(col, metrics.horizontalAdvance(text) + kCellPadding);
    }
}

QString FlexGrid::TextMatrix(std::int32_t row, std::int32_t col) const
{
    return m_model->cell(row, col);
}

void FlexGrid::setTextMatrix(std::int32_t row, std::int32_t col, const QString& text)
{
    m_model->setCell(row, col, text);
}

std::int32_t FlexGrid::RowSel() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

std::vector<std::int32_t> FlexGrid::selectedRows() const
{
    std::vector<std::int32_t> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FlexGrid::selectOnly(std::int32_t row)
{
    if (row < 1 || row >= Rows()) {
        clearSelection();
        return;
    }
    const int column = currentIndex().isValid() ? currentIndex().column() : 1;
    selectionModel()->setCurrentIndex(m_model->index(row - 1, column),
                                      QItemSelectionModel::ClearAndSelect |
                                          QItemSelectionModel::Rows);
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    m_plainPress = !extendsSelection(event->modifiers());
    QTableView::mousePressEvent(event);
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    // A plain drag selects no range: the click fills the recipient from one row and shows the
    // Envelope page, and rows selected out of sight would be printed with it.
    if (m_plainPress && (event->buttons() & Qt::LeftButton) != 0) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            selectOnly(index.row() + 1);
        }
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    // A click that builds up a selection must not take the user to the Envelope page.
    if (!m_plainPress) {
        return;
    }
    // A press on a row of a selection keeps it for a drag; the release settles on one row.
    const QModelIndex index = indexAt(event->position().toPoint());
    selectOnly(index.isValid() ? index.row() + 1 : RowSel());
    emit mouseUp();
}

void FlexGrid::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const int right = columnViewportPosition(Cols() - 1) + columnWidth(Cols() - 1);
    const int rows = model()->rowCount();
    const int bottom = rows == 0 ? 0 : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(QRect(QPoint(right, 0), area.bottomRight()), kBackgroundBeyondCells);
    painter.fillRect(QRect(QPoint(0, bottom), QPoint(right - 1, area.bottom())),
                     kBackgroundBeyondCells);
}

void FlexGrid::fitRows()
{
    // One height for every row keeps a large folder fast; it fits the tallest row of this fill.
    const int lines = m_model->rowLines();
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() * lines + kCellPadding / 2);
}

} // namespace addrell
