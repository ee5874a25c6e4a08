#pragma once

#include <QList>
#include <QString>

namespace tornelis {

// A rectangle of cell texts addressed as (column, row), like a string grid.
class ParadigmGrid {
public:
    ParadigmGrid(int columns, int rows) : columns_(columns), rows_(rows), cells_(columns * rows) {}

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    const QString &at(int column, int row) const { return cells_.at(row * columns_ + column); }
    void set(int column, int row, const QString &text) { cells_[row * columns_ + column] = text; }

    bool operator==(const ParadigmGrid &) const = default;

private:
    int columns_;
    int rows_;
    QList<QString> cells_;
};

}  // namespace tornelis
