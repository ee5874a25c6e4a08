#include "lookups/about_gaze.h"

namespace tornelis {
namespace {

int Band(int value, int start, int length)
{
    if (value < start)
        return 0;
    return value < start + length ? 1 : 2;
}

}  // namespace

int GazePicture(QPoint pointer, QPoint referenceTopLeft, QSize referenceSize)
{
    const int column = Band(pointer.x(), referenceTopLeft.x(), referenceSize.width());
    const int row = Band(pointer.y(), referenceTopLeft.y(), referenceSize.height());
    return row * 3 + column + 1;
}

}  // namespace tornelis
