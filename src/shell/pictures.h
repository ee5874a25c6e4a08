#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tornelis {

// The twelve 16 x 16 pictures of the menu items and buttons, by index.
enum class Picture {
    Floppy = 0, Exit, Copy, Paste, Database, Book, OnlineBook, Info, Open, Back, Next, Tick
};

QIcon ImageListIcon(Picture picture);

// A picture of the resources drawn at the given size (an SVG scales cleanly).
QPixmap RenderPicture(const QString &resource, const QSize &size);

}  // namespace tornelis
