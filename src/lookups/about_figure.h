#pragma once

#include <QByteArray>

namespace tornelis {

// An SVG of the About box's half-length figure, a scholar with a quill
// behind the ear, looking in the direction of picture 1 to 9 (see GazePicture).
QByteArray AboutFigureSvg(int picture);

}  // namespace tornelis
