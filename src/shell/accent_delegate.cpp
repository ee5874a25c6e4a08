#include "shell/accent_delegate.h"

#include "render/stress.h"

#include <QApplication>
#include <QPainter>

namespace tornelis {
namespace {

// The mark: a stroke rising to the right from just above the letter,
// longer and steeper than a breve or the dots of ё could be.
void DrawAcute(QPainter &painter, QPointF baseOfStroke, qreal xHeight)
{
    painter.drawLine(baseOfStroke, baseOfStroke + QPointF(xHeight * 0.4, -xHeight * 0.65));
}

}  // namespace

int CellTextMargin(const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

void AccentDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.contains(kCombiningAcute)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // Which letters carry a mark, in the text without the marks.
    QString bare;
    QList<qsizetype> marked;
    for (const QChar ch : text) {
        if (ch == kCombiningAcute && !bare.isEmpty())
            marked.append(bare.size() - 1);
        else if (ch != kCombiningAcute)
            bare += ch;
    }
    // The cell without its text, then the text and the marks where this
    // code knows them to be.
    cell.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    const int margin = CellTextMargin(widget);
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    const QFontMetricsF metrics(cell.font);
    const QString shown = metrics.elidedText(bare, cell.textElideMode, textRect.width());
    const qsizetype whole = shown == bare ? bare.size() : shown.size() - 1;  // the letters before "…"
    const qreal baseline = std::round(textRect.top() + (textRect.height() - metrics.height()) / 2 + metrics.ascent());
    const bool selected = cell.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPointF(textRect.left(), baseline), shown);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(painter->pen().color(), 1.2));
    for (const qsizetype at : std::as_const(marked)) {
        if (at >= whole)
            continue;
        const QChar letter = bare.at(at);
        const qreal left = textRect.left() + metrics.horizontalAdvance(bare.left(at));
        const qreal centre = left + metrics.horizontalAdvance(letter) / 2;
        // A capital leaves less room up to the row above.
        const qreal top = letter.isUpper() ? baseline - metrics.capHeight() - 1 : baseline - metrics.xHeight() - 2;
        DrawAcute(*painter, QPointF(centre - 0.5, top), metrics.xHeight());
    }
    painter->restore();
}

}  // namespace tornelis
