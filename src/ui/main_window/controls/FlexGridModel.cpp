#include "ui/main_window/controls/FlexGridModel.h"

#include "automation/AutomationError.h"
#include "util/LineEnds.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPalette>

#include <algorithm>

namespace addrell {

namespace {

constexpr std::int32_t kSubscriptOutOfRange = 381;

// A row shows this many lines of its cells at most; TextMatrix still gives the whole text.
constexpr int kMaxLines = 6;

struct Lines {
    int count;
    qsizetype end;
};

// How many of the first `limit` lines `text` holds and where they end, counting line breaks as
// LineEnds does (CR LF is one break). This runs for every cell of a folder load, so it builds
// no text.
Lines firstLines(QStringView text, int limit)
{
    int count = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n' && c != QChar::LineSeparator &&
            c != QChar::ParagraphSeparator) {
            continue;
        }
        if (count == limit) {
            return {count, i};
        }
        ++count;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
    return {count, text.size()};
}

[[noreturn]] void invalidCell()
{
    throw AutomationError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                          QStringLiteral("MSFlexGrid"));
}

} // namespace

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

std::int32_t FlexGridModel::gridRows() const noexcept
{
    return m_rows;
}

std::size_t FlexGridModel::at(std::int32_t row, std::int32_t col) const noexcept
{
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) +
           static_cast<std::size_t>(col);
}

void FlexGridModel::setGridRows(std::int32_t rows)
{
    if (rows < 1) {
        throw AutomationError::runtime(RuntimeError::InvalidPropertyValue);
    }
    beginResetModel();
    m_rows = rows;
    m_cells.resize(at(rows, 0));
    endResetModel();
    announceLater(); // dropping a tall row may leave shorter ones
}

void FlexGridModel::setGridCols(std::int32_t cols)
{
    if (cols < 1) {
        throw AutomationError::runtime(RuntimeError::InvalidPropertyValue);
    }
    beginResetModel();
    std::vector<QString> cells(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(cols));
    for (std::int32_t row = 0; row < m_rows; ++row) {
        for (std::int32_t col = 0; col < std::min(cols, m_cols); ++col) {
            cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) +
                  static_cast<std::size_t>(col)] = std::move(m_cells[at(row, col)]);
        }
    }
    m_cells = std::move(cells);
    m_cols = cols;
    m_alignment.resize(static_cast<std::size_t>(cols), Qt::AlignLeft);
    endResetModel();
}

void FlexGridModel::checkCell(std::int32_t row, std::int32_t col) const
{
    if (row < 0 || row >= gridRows() || col < 0 || col >= m_cols) {
        invalidCell();
    }
}

const QString& FlexGridModel::cell(std::int32_t row, std::int32_t col) const
{
    checkCell(row, col);
    return m_cells[at(row, col)];
}

void FlexGridModel::setCell(std::int32_t row, std::int32_t col, const QString& text)
{
    checkCell(row, col);
    m_cells[at(row, col)] = text;
    announceLater();
}

int FlexGridModel::rowLines() const
{
    int lines = 1;
    for (std::size_t cell = at(1, 0); cell < m_cells.size(); ++cell) {
        lines = std::max(lines, firstLines(m_cells[cell], kMaxLines).count);
        if (lines == kMaxLines) {
            return lines;
        }
    }
    return lines;
}

void FlexGridModel::setAlignment(std::int32_t col, Qt::Alignment alignment)
{
    checkCell(0, col);
    m_alignment[static_cast<std::size_t>(col)] = alignment;
    announceLater();
}

void FlexGridModel::announceLater()
{
    if (!m_announcing) {
        m_announcing = true;
        QMetaObject::invokeMethod(this, &FlexGridModel::announce, Qt::QueuedConnection);
    }
}

void FlexGridModel::announce()
{
    m_announcing = false;
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit cellsChanged();
}

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : gridRows() - 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() + 1 >= gridRows() || index.column() >= m_cols) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole: {
        const QString& text = m_cells[at(index.row() + 1, index.column())];
        return LineEnds::toLf(text.left(firstLines(text, kMaxLines).end));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignTop |
                                   m_alignment[static_cast<std::size_t>(index.column())]);
    case Qt::BackgroundRole:
        // Column 0 is fixed and keeps the header's look; the other cells show the grid's own
        // background.
        return index.column() == 0 ? QVariant(QGuiApplication::palette().button()) : QVariant();
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_cols || m_rows == 0) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_cells[at(0, section)];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignLeft);
    }
    return {};
}

} // namespace addrell
