#include "shell/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace tornelis {

QPixmap RenderPicture(const QString &resource, const QSize &size)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

QIcon ImageListIcon(Picture picture)
{
    static const std::array<const char *, 12> names{"floppy", "exit", "copy", "paste", "database", "book",
                                                    "online-book", "info", "open", "back", "next", "tick"};
    const QString resource = QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(names.at(int(picture))));
    QIcon icon;
    for (int scale : {1, 2})
        icon.addPixmap(RenderPicture(resource, QSize(16, 16) * scale));
    return icon;
}

}  // namespace tornelis
