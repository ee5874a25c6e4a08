#include "shell/string_grid.h"

#include "shell/accent_delegate.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <cmath>

namespace tornelis {
namespace {

constexpr int kRowHeight = 18;
constexpr int kBorderGrip = 3;
constexpr int kMinimumColumnWidth = 12;
// Marks a header cell or a heading row's cell.
constexpr int kHeaderRole = Qt::UserRole;

// A view laid over the grid's edge. It scrolls only as the grid tells it:
// a new current cell, which the views share, must not scroll it on its own.
class Overlay : public QTableView {
public:
    using QTableView::QTableView;
    void scrollTo(const QModelIndex &, ScrollHint) override {}
};

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
    setItemDelegate(new AccentDelegate(this));
    viewport()->setMouseTracking(true);

    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            MakeCell(column, row);
    }
    setCurrentCell(fixedRows, fixedColumns, QItemSelectionModel::NoUpdate);

    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    // The fixed columns and rows are further views of the same cells laid
    // over the left and the top edge, which do not scroll that way: the
    // columns' view scrolls up and down with the grid, the rows' view
    // sideways, and the corner of both not at all. They take no input: the
    // grid below handles the mouse and the keyboard.
    if (fixedColumns_ > 0) {
        fixedView_ = MakeOverlay();
        for (int column = fixedColumns_; column < columns; ++column)
            fixedView_->setColumnHidden(column, true);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, fixedView_->verticalScrollBar(), &QScrollBar::setValue);
    }
    if (fixedRows_ > 0) {
        headerView_ = MakeOverlay();
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, headerView_->horizontalScrollBar(), &QScrollBar::setValue);
        if (fixedView_)
            cornerView_ = MakeOverlay();
    }
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        for (QTableView *overlay : {fixedView_, headerView_, cornerView_}) {
            if (overlay)
                overlay->setColumnWidth(column, width);
        }
        PlaceFixedColumns();
    });
}

QTableView *StringGrid::MakeOverlay()
{
    auto *overlay = new Overlay(this);
    overlay->setFont(font());
    overlay->setModel(model());
    overlay->setSelectionModel(selectionModel());
    overlay->setItemDelegate(itemDelegate());
    overlay->horizontalHeader()->hide();
    overlay->verticalHeader()->hide();
    overlay->verticalHeader()->setMinimumSectionSize(kRowHeight);
    overlay->verticalHeader()->setDefaultSectionSize(kRowHeight);
    overlay->horizontalHeader()->setDefaultSectionSize(horizontalHeader()->defaultSectionSize());
    overlay->setHorizontalScrollMode(ScrollPerPixel);
    overlay->setVerticalScrollMode(ScrollPerPixel);
    overlay->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    overlay->setFrameShape(QFrame::NoFrame);
    overlay->setFocusPolicy(Qt::NoFocus);
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay->setWordWrap(false);
    overlay->setTextElideMode(Qt::ElideRight);
    overlay->raise();  // each over the ones made before it
    return overlay;
}

void StringGrid::MakeCell(int column, int row)
{
    auto *cell = new QTableWidgetItem;
    if (column >= fixedColumns_ && row >= fixedRows_) {
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    } else {
        // Header cells cannot be selected nor become current.
        cell->setFlags(Qt::NoItemFlags);
        cell->setData(kHeaderRole, true);
    }
    setItem(row, column, cell);
}

bool StringGrid::IsBodyCell(int column, int row) const
{
    return column >= fixedColumns_ && row >= fixedRows_ && column < columnCount() && row < rowCount() &&
           !item(row, column)->data(kHeaderRole).toBool();
}

void StringGrid::SetBodyRowCount(int count)
{
    clearSpans();
    setRowCount(fixedRows_ + count);
    for (int row = fixedRows_; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            MakeCell(column, row);
    }
}

void StringGrid::SetHeadingRow(int row, const QString &text, const QColor &background, const QColor &foreground)
{
    for (int column = 0; column < columnCount(); ++column) {
        QTableWidgetItem *cell = item(row, column);
        cell->setFlags(Qt::NoItemFlags);
        cell->setData(kHeaderRole, true);
        cell->setBackground(background);
        cell->setForeground(foreground);
        cell->setText(column == 0 ? text : QString());
    }
    QFont font = item(row, 0)->font();
    font.setBold(true);
    item(row, 0)->setFont(font);
    setSpan(row, 0, 1, columnCount());
}

void StringGrid::SetStandingOut(int column, int row, const QColor &background)
{
    QTableWidgetItem *cell = item(row, column);
    QFont font = this->font();
    font.setBold(background.isValid());
    cell->setFont(font);
    cell->setBackground(background.isValid() ? QBrush(background) : QBrush());
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
    leastWidths_ = widths;
    sizedByUser_ = QList<bool>(widths.size(), false);
    for (qsizetype column = 0; column < widths.size(); ++column)
        setColumnWidth(int(column), widths.at(column));
    FitFixedColumns();
    ShareWidth();
}

int StringGrid::FixedWidth() const
{
    int width = 0;
    for (int column = 0; fixedView_ && column < fixedColumns_; ++column)
        width += columnWidth(column);
    return width;
}

int StringGrid::FixedHeight() const
{
    int height = 0;
    for (int row = 0; headerView_ && row < fixedRows_; ++row)
        height += rowHeight(row);
    return height;
}

void StringGrid::FitFixedColumns()
{
    // The fonts the cells are drawn in: the grid's, which need not be the
    // application's (Windows gives item views a font of their own), as a
    // cell's font changes it.
    const QFont viewFont = font();
    for (int column = 0; column < std::min(fixedColumns_, columnCount()); ++column) {
        qreal widest = 0;
        for (int row = 0; row < rowCount(); ++row) {
            const QTableWidgetItem *cell = item(row, column);
            const QVariant own = cell->data(Qt::FontRole);
            const QFont drawn = own.isValid() ? qvariant_cast<QFont>(own).resolve(viewFont) : viewFont;
            widest = std::max(widest, QFontMetricsF(drawn).horizontalAdvance(cell->text()));
        }
        const int fitted = int(std::ceil(widest)) + 2 * CellTextMargin(this) + 2;  // and the grid line
        if (column < leastWidths_.size())
            leastWidths_[column] = std::max(leastWidths_.at(column), fitted);
        setColumnWidth(column, std::max(columnWidth(column), fitted));
    }
}

void StringGrid::StartFresh()
{
    clearSelection();
    // The current cell is the first body cell, not selected: no cell shows
    // the selection's colour until the user picks one.
    for (int row = fixedRows_; row < rowCount(); ++row) {
        for (int column = fixedColumns_; column < columnCount(); ++column) {
            if (IsBodyCell(column, row)) {
                setCurrentCell(row, column, QItemSelectionModel::NoUpdate);
                row = rowCount();
                break;
            }
        }
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

// The data columns the user has not sized share what the grid's width
// leaves them, each in proportion to its least width.
void StringGrid::ShareWidth()
{
    int free = viewport()->width();
    int least = 0;
    for (int column = 0; column < columnCount(); ++column) {
        const bool shares = column >= fixedColumns_ && column < leastWidths_.size() && !sizedByUser_.at(column);
        if (shares)
            least += leastWidths_.at(column);
        else
            free -= columnWidth(column);
    }
    if (least == 0)
        return;
    for (int column = fixedColumns_; column < leastWidths_.size(); ++column) {
        if (!sizedByUser_.at(column))
            setColumnWidth(column, std::max(leastWidths_.at(column), int(qint64(free) * leastWidths_.at(column) / least)));
    }
}

void StringGrid::PlaceFixedColumns()
{
    const QRect area = viewport()->geometry();
    const int width = std::min(FixedWidth(), area.width());
    const int height = std::min(FixedHeight(), area.height());
    if (fixedView_)
        fixedView_->setGeometry(area.left(), area.top(), width, area.height());
    if (headerView_)
        headerView_->setGeometry(area.left(), area.top(), area.width(), height);
    if (cornerView_)
        cornerView_->setGeometry(area.left(), area.top(), width, height);
}

void StringGrid::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // The views laid over the edges draw the same cells in the same font.
        for (QTableView *overlay : {fixedView_, headerView_, cornerView_}) {
            if (overlay)
                overlay->setFont(font());
        }
        FitFixedColumns();
        ShareWidth();
    }
}

void StringGrid::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    ShareWidth();
    PlaceFixedColumns();
}

void StringGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (fixedView_ && index.column() < fixedColumns_)
        return;  // always in view
    QTableWidget::scrollTo(index, hint);
    // A cell that went under the fixed columns or rows comes out from under them.
    const int hidden = FixedWidth() - visualRect(index).left();
    if (index.isValid() && hidden > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
    const int covered = FixedHeight() - visualRect(index).top();
    if (index.isValid() && index.row() >= fixedRows_ && covered > 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - covered);
}

bool StringGrid::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableWidget::viewportEvent(event);
    const QPoint at = static_cast<QHelpEvent *>(event)->pos();
    const QTableView *view = ViewAt(at);
    const QModelIndex index = view->indexAt(at);
    const QRect cell = view->visualRect(index);
    const QString text = index.data().toString();
    if (index.isValid() && fontMetrics().horizontalAdvance(text) + 2 * CellTextMargin(this) > cell.width())
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}

const QTableView *StringGrid::ViewAt(QPoint at) const
{
    const bool overColumns = at.x() < FixedWidth();
    const bool overRows = at.y() < FixedHeight();
    if (overColumns && overRows)
        return cornerView_;
    if (overRows)
        return headerView_;
    if (overColumns)
        return fixedView_;
    return this;
}

int StringGrid::ColumnBorderAt(int x) const
{
    int fixedBorder = 0;
    for (int column = 0; column < columnCount(); ++column) {
        int border = columnViewportPosition(column) + columnWidth(column);
        if (fixedView_ && column < fixedColumns_) {
            fixedBorder += columnWidth(column);
            border = fixedBorder;
        } else if (border < FixedWidth()) {
            continue;  // scrolled under the fixed columns
        }
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
    if (ViewAt(event->position().toPoint()) != this)
        return;  // header cells: nothing to select, and no cell scrolled under them
    QTableWidget::mousePressEvent(event);
}

void StringGrid::mouseMoveEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    if (resizingColumn_ >= 0) {
        setColumnWidth(resizingColumn_, std::max(kMinimumColumnWidth, resizeStartWidth_ + x - resizeStartX_));
        if (resizingColumn_ < sizedByUser_.size())
            sizedByUser_[resizingColumn_] = true;
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
    if (event->button() == Qt::LeftButton && ViewAt(event->position().toPoint()) == this && under.isValid() &&
        IsBodyCell(under.column(), under.row()) &&
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
