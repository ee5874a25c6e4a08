#include "shell/string_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tornelis {
namespace {

constexpr int kRowHeight = 18;
constexpr int kBorderGrip = 3;
constexpr int kMinimumColumnWidth = 12;

}  // namespace

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget *parent)
    : QTableWidget(rows, columns, parent)
    , fixedColumns_(fixedColumns)
    , fixedRows_(fixedRows)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setDefaultSectionSize(100);
    setShowGrid(true);
    setEditTriggers(NoEditTriggers);
    // Tab leaves the grid: walking from cell to cell would inspect each one.
    setTabKeyNavigation(false);
    setSelectionMode(ContiguousSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    viewport()->setMouseTracking(true);

    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto *item = new QTableWidgetItem;
            if (IsBodyCell(column, row)) {
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            } else {
                // Header cells cannot be selected nor become current.
                item->setFlags(Qt::NoItemFlags);
                item->setData(Qt::UserRole, true);
            }
            setItem(row, column, item);
        }
    }
    setCurrentCell(fixedRows, fixedColumns, QItemSelectionModel::NoUpdate);
}

bool StringGrid::IsBodyCell(int column, int row) const
{
    return column >= fixedColumns_ && row >= fixedRows_ && column < columnCount() && row < rowCount();
}

QString StringGrid::Cells(int column, int row) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString &text)
{
    item(row, column)->setText(text);
}

void StringGrid::SetColWidths(const QList<int> &widths)
{
    for (qsizetype column = 0; column < widths.size(); ++column)
        setColumnWidth(int(column), widths.at(column));
}

int StringGrid::ColumnBorderAt(int x) const
{
    for (int column = 0; column < columnCount(); ++column) {
        const int border = columnViewportPosition(column) + columnWidth(column);
        if (std::abs(x - border) <= kBorderGrip)
            return column;
    }
    return -1;
}

void StringGrid::mousePressEvent(QMouseEvent *event)
{
    const int column = ColumnBorderAt(event->position().toPoint().x());
    if (event->button() == Qt::LeftButton && column >= 0) {
        resizingColumn_ = column;
        resizeStartX_ = event->position().toPoint().x();
        resizeStartWidth_ = columnWidth(column);
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    if (resizingColumn_ >= 0) {
        setColumnWidth(resizingColumn_, std::max(kMinimumColumnWidth, resizeStartWidth_ + x - resizeStartX_));
        return;
    }
    viewport()->setCursor(ColumnBorderAt(x) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
    QTableWidget::mouseMoveEvent(event);
}

void StringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (resizingColumn_ >= 0) {
        resizingColumn_ = -1;
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
    const QModelIndex under = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && under.isValid() && IsBodyCell(under.column(), under.row()) &&
        IsBodyCell(currentColumn(), currentRow()))
        emit Click();
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    if (currentIndex() != before && IsBodyCell(currentColumn(), currentRow()))
        emit Click();
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || !IsBodyCell(next.column(), next.row()))
        return currentIndex();
    return next;
}

}  // namespace tornelis
