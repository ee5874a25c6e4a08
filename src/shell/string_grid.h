#pragma once

#include <QTableWidget>

namespace tornelis {

// A text grid with fixed header rows and columns, addressed as (column,
// row) like the tables it shows. Header cells are drawn as headers and can
// never become the current cell; body cells are selectable, not editable.
// The fixed columns stay in place when the grid scrolls sideways, the fixed
// rows when it scrolls up and down; fixed columns are never narrower than
// their texts in the font they are drawn in. The other
// columns share the width the grid has, never narrower than the widths set,
// and a cell whose text does not fit shows it whole as its tooltip. Columns
// are resized by dragging the line between them; a column so sized keeps its
// width.
class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget *parent = nullptr);

    QString Cells(int column, int row) const;
    void SetCell(int column, int row, const QString &text);
    // The widths of the columns, the data columns' least widths too.
    void SetColWidths(const QList<int> &widths);
    int FixedCols() const { return fixedColumns_; }
    int FixedRows() const { return fixedRows_; }
    bool IsBodyCell(int column, int row) const;

    // A new word's table: nothing selected, the current cell the first body
    // cell, scrolled to the top left.
    void StartFresh();
    // The grid gets count empty body rows under its fixed rows.
    void SetBodyRowCount(int count);
    // A body row becomes a heading across the grid: drawn like a header cell,
    // never selected nor current.
    void SetHeadingRow(int row, const QString &text, const QColor &background, const QColor &foreground);
    // The cell stands out (bold, on background) or, with an invalid colour, no longer.
    void SetStandingOut(int column, int row, const QColor &background);

signals:
    // A body cell became the current cell: the mouse button was released
    // over the body, or the keyboard moved the current cell.
    void Click();

protected:
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void MakeCell(int column, int row);
    int ColumnBorderAt(int x) const;
    QTableView *MakeOverlay();
    // The view that draws the cell at this point of the viewport.
    const QTableView *ViewAt(QPoint at) const;
    int FixedWidth() const;
    int FixedHeight() const;
    void FitFixedColumns();
    void ShareWidth();
    void PlaceFixedColumns();

    QTableView *fixedView_ = nullptr;   // the fixed columns, drawn over the scrolling ones
    QTableView *headerView_ = nullptr;  // the fixed rows, drawn over the scrolling ones
    QTableView *cornerView_ = nullptr;  // where the fixed rows and columns meet
    QList<int> leastWidths_;
    QList<bool> sizedByUser_;
    int fixedColumns_;
    int fixedRows_;
    int resizingColumn_ = -1;
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;
};

}  // namespace tornelis
