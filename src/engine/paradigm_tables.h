#pragma once

#include "engine/paradigm_grid.h"

#include <QList>
#include <QString>

#include <optional>

namespace tornelis {

// The two pages of the tables: declension (cases by gender and plural) and
// conjugation (person, number and gender by tense).
enum class ParadigmPage { Declension = 0, Conjugation = 1 };

struct CellPosition {
    int column;
    int row;
    bool operator==(const CellPosition &) const = default;
};

struct TableShape {
    int columns;
    int rows;
    int fixedColumns;
    int fixedRows;
};

inline constexpr TableShape kDeclensionShape{5, 7, 1, 1};
inline constexpr TableShape kConjugationShape{7, 9, 4, 1};

// The fixed header texts and column widths of each table.
ParadigmGrid DeclensionHeaders();
ParadigmGrid ConjugationHeaders();
QList<int> DeclensionColumnWidths();
QList<int> ConjugationColumnWidths();

// Where a form with this tag string goes in the declension table, if anywhere.
std::optional<CellPosition> PlaceOnDeclension(const QString &tags);

// The cells a form with this tag string fills in the conjugation table: none,
// one, or the three third-person rows (он, она, оно) for a singular
// third-person form that has no gender of its own ("читает").
QList<CellPosition> PlaceOnConjugation(const QString &tags);

}  // namespace tornelis
