#include "export/export_text.h"

namespace tornelis {

CellRange ExportRange(const CellRange &selection, const CellRange &wholeTable)
{
    const bool singleCell = selection.left == selection.right && selection.top == selection.bottom;
    return singleCell ? wholeTable : selection;
}

QString ExportText(const CellRange &range, const std::function<QString(int, int)> &cellText)
{
    QString text;
    for (int row = range.top; row <= range.bottom; ++row) {
        for (int column = range.left; column <= range.right; ++column) {
            if (column != range.left)
                text.append(QLatin1Char('\t'));
            text.append(cellText(column, row));
        }
        text.append(QLatin1String("\r\n"));
    }
    return text;
}

}  // namespace tornelis
