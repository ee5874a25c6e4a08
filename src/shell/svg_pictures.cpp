#include "shell/pictures.h"

#include "lookups/about_figure.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tornelis {
namespace {

constexpr QSize kAboutFigureSize(100, 100);

template <typename Source>
QPixmap Render(const Source &svg, const QSize &logicalSize, qreal scale)
{
    QSvgRenderer renderer(svg);
    QPixmap pixmap(logicalSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return pixmap;
}

}  // namespace

QIcon ImageListIcon(Picture picture)
{
    const QString resource = QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(PictureName(picture)));
    QIcon icon;
    for (int scale : {1, 2})
        icon.addPixmap(Render(resource, QSize(16, 16) * scale, 1));
    return icon;
}

QPixmap PortraitPicture(const QSize &size)
{
    return Render(QStringLiteral(":/pictures/portrait.svg"), size, 1);
}

QPixmap AboutFigurePicture(int picture, qreal scale)
{
    return Render(AboutFigureSvg(picture), kAboutFigureSize, scale);
}

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/icons/tornelis.svg"));
}

}  // namespace tornelis
