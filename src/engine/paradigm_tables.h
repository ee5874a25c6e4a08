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

// The cells a form with this tag string fills in the declension table: none,
// one, or its case in all three genders for a singular without a gender of
// its own (я, себя, пять).
QList<CellPosition> PlaceOnDeclension(const QString &tags);

// Does a cell showing a form with shownTags keep it when a form with newTags
// comes for the same cell? Where the source holds an animate and an
// inanimate accusative (того/тот, двух/два), the inanimate one keeps it, as
// in the nominative row above; otherwise the later form takes the cell.
bool KeepsCell(const QString &shownTags, const QString &newTags);

// The cells a form with this tag string fills in the conjugation table: none,
// one, or the three third-person rows (он, она, оно) for a singular
// third-person form that has no gender of its own ("читает") and for a
// present or future singular without a person ("хочется").
QList<CellPosition> PlaceOnConjugation(const QString &tags);

}  // namespace tornelis
