#pragma once

#include <QString>

namespace tornelis {

// The line a click on a cell shows: the form, " - " and the description of
// its tags; for a cell of two forms (т'от / то-г'о) both such parts, in the
// cell's order, parted as in the cell.
QString DescribeCell(const QString &text, const QString &tags);

}  // namespace tornelis
