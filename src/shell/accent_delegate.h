#pragma once

#include <QStyledItemDelegate>

namespace tornelis {

// Draws a cell whose text carries acute accents (U+0301) with the accent
// drawn by hand: the font's own combining acute is so small and flat at the
// grids' size that и́ reads as й and Е́ as Ё. The mark drawn here is longer
// and steeper, above the x-height of a small letter and the cap height of a
// capital. The cell's text itself is unchanged (copy and save take it).
// The room a grid cell leaves between its text and each side border, as the
// widget's style draws cells.
int CellTextMargin(const QWidget *widget);

class AccentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void PaintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
};

}  // namespace tornelis
