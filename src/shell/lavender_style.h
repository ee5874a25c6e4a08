#pragma once

#include <QColor>

class QApplication;

namespace tornelis {

// The "Lavender Classico" look: a lavender palette and a style sheet.
void ApplyLavenderClassico(QApplication &application);

// Colours the grids draw their header cells with.
QColor HeaderCellBackground();
QColor HeaderCellText();

}  // namespace tornelis
