#pragma once

#include <QPoint>
#include <QRect>

namespace tornelis {

// Which of the nine About pictures looks toward the pointer: 1 to 9, rows
// above, level with and below the reference rectangle, columns left of,
// over and right of it (left and top edges inside, right and bottom outside).
int GazePicture(QPoint pointer, QPoint referenceTopLeft, QSize referenceSize);

}  // namespace tornelis
