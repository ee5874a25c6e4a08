// render-icon: draws an SVG picture into a square PNG of the given size, for
// the icon theme's fixed sizes.
//   render-icon INPUT.svg SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool sizeOk = false;
    const int size = arguments.value(2).toInt(&sizeOk);
    QSvgRenderer picture(arguments.value(1));
    if (arguments.size() != 4 || !sizeOk || size <= 0 || !picture.isValid()) {
        std::fprintf(stderr, "usage: render-icon INPUT.svg SIZE OUTPUT.png\n");
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    return image.save(arguments.at(3)) ? 0 : 1;
}
