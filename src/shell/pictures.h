#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tornelis {

// The pictures of the window and the About box. They are drawn as SVG; a
// build without an SVG renderer embeds them rendered to PNG at the sizes
// used instead (see tools/render_pictures).

// The twelve 16 x 16 pictures of the menu items and buttons, by index.
enum class Picture {
    Floppy = 0, Exit, Copy, Paste, Database, Book, OnlineBook, Info, Open, Back, Next, Tick
};

QIcon ImageListIcon(Picture picture);

// The portrait beside the text, drawn to fit size.
QPixmap PortraitPicture(const QSize &size);

// The About box's 100 x 100 figure looking in the direction of picture 1 to
// 9, for a screen of the given pixel ratio.
QPixmap AboutFigurePicture(int picture, qreal scale);

// The program's icon.
QIcon ProgramIcon();

// The names of the menu and button pictures in the resources, by index.
const char *PictureName(Picture picture);

}  // namespace tornelis
