#include "shell/pictures.h"

namespace tornelis {
namespace {

QPixmap Scaled(const QString &resource, const QSize &size)
{
    const QPixmap pixmap(resource);
    return pixmap.size() == size ? pixmap : pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QIcon ImageListIcon(Picture picture)
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addFile(QStringLiteral(":/pictures/%1-%2.png").arg(QLatin1String(PictureName(picture))).arg(size));
    return icon;
}

QPixmap PortraitPicture(const QSize &size)
{
    return Scaled(QStringLiteral(":/pictures/portrait.png"), size);
}

QPixmap AboutFigurePicture(int picture, qreal scale)
{
    const QString suffix = scale > 1 ? QStringLiteral("@2x") : QString();
    QPixmap pixmap = Scaled(QStringLiteral(":/pictures/about-%1%2.png").arg(picture).arg(suffix),
                            QSize(100, 100) * scale);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 256})
        icon.addFile(QStringLiteral(":/pictures/tornelis-%1.png").arg(size));
    return icon;
}

}  // namespace tornelis
