#include "shell/accent_delegate.h"

#include "render/stress.h"

#include <QApplication>
#include <QPainter>

namespace tornelis {
namespace {

// The mark: a stroke rising to the right from just above the letter,
// longer and steeper than a breve or the dots of ё could be.
// Over a capital, which leaves less room up to the row above, the mark is flatter.
QPointF Stroke(qreal xHeight, bool overCapital)
{
    return overCapital ? QPointF(xHeight * 0.45, -xHeight * 0.45) : QPointF(xHeight * 0.4, -xHeight * 0.65);
}

// A text with letters, none of them small.
bool InCapitals(const QString &text)
{
    bool letters = false;
    for (const QChar ch : text) {
        if (ch.isLower())
            return false;
        letters = letters || ch.isLetter();
    }
    return letters;
}

}  // namespace

int CellTextMargin(const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

void AccentDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // A cell that stands out keeps its colour when selected, framed in the
    // selection's colour: the typed form stays in sight.
    const bool framed = (option.state & QStyle::State_Selected) && index.data(Qt::BackgroundRole).isValid();
    if (!framed) {
        PaintCell(painter, option, index);
        return;
    }
    QStyleOptionViewItem unselected = option;
    unselected.state &= ~QStyle::State_Selected;
    PaintCell(painter, unselected, index);
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void AccentDelegate::PaintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    // Forms in upper case are drawn here too, all on the same line, so that
    // a capital with its mark and one without stand side by side.
    const bool formInCapitals = (index.flags() & Qt::ItemIsSelectable) && InCapitals(text);
    if (!text.contains(kCombiningAcute) && !formInCapitals) {
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
    const qreal centred = std::round(textRect.top() + (textRect.height() - metrics.height()) / 2 + metrics.ascent());
    // A mark over a capital reaches higher: a form in capitals goes down far
    // enough to leave it room under the row's top line, as far as the bottom allows.
    const qreal roomAbove = metrics.capHeight() + 1 - Stroke(metrics.xHeight(), true).y() + 2;
    const qreal lowest = textRect.bottom() - std::ceil(metrics.descent() / 2);
    const qreal baseline = formInCapitals ? std::max(centred, std::min(lowest, textRect.top() + std::ceil(roomAbove))) : centred;
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
        const QPointF base(centre - 0.5, top);
        painter->drawLine(base, base + Stroke(metrics.xHeight(), letter.isUpper()));
    }
    painter->restore();
}

}  // namespace tornelis
