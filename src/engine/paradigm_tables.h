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

// The text and the tag string of what one cell shows.
struct CellContent {
    QString text;
    QString tags;
    bool operator==(const CellContent &) const = default;
};

// Parts the two forms of one cell (т'от / то-г'о), in its text and in its
// tag string alike.
inline const QString kCellFormSeparator = QStringLiteral(" / ");

// What a cell shows when a form comes for it. The inanimate and the animate
// accusative of an adjective, pronoun, numeral or participle (тот / того,
// два / двух) share the cell, inanimate first; otherwise the later form
// takes the cell. A noun keeps its one accusative.
CellContent MergeIntoCell(const CellContent &shown, const CellContent &coming);

// The forms a cell shows, each with its tag string: none, one, or two.
QList<CellContent> FormsOfCell(const CellContent &cell);

// Is formText one of the forms of the cell text?
bool CellShows(const QString &cellText, const QString &formText);

// The cells a form with this tag string fills in the conjugation table: none,
// one, or the three third-person rows (он, она, оно) for a singular
// third-person form that has no gender of its own ("читает") and for a
// present or future singular without a person ("стоит"); the row of Оно
// alone for a truly impersonal verb ("хочется").
QList<CellPosition> PlaceOnConjugation(const QString &tags);

}  // namespace tornelis
