#pragma once

#include <QString>

#include <functional>

namespace tornelis {

// A rectangle of table cells, all bounds inclusive.
struct CellRange {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const CellRange &) const = default;
};

// The range to export: the selection, or the whole table when a single cell
// is selected.
CellRange ExportRange(const CellRange &selection, const CellRange &wholeTable);

// One line per row of the range, cells separated by TAB, every line ended by
// CR LF; cellText(column, row) gives a cell as displayed.
QString ExportText(const CellRange &range, const std::function<QString(int column, int row)> &cellText);

}  // namespace tornelis
