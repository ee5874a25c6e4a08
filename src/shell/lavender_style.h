#pragma once

#include <QColor>

class QApplication;

namespace tornelis {

// The "Lavender Classico" look: a lavender palette and a style sheet.
void ApplyLavenderClassico(QApplication &application);

// Colours the grids draw their header cells with.
QColor HeaderCellBackground();
QColor HeaderCellText();
// The background of a cell that holds the typed form: a pale gold that the
// dark text and the lavender selection both stay legible on.
QColor TypedCellBackground();

}  // namespace tornelis
