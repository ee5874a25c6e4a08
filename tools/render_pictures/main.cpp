// render-pictures: renders the program's SVG pictures to PNG at every size
// the program shows them, with the program's icon as a Windows .ico, for a
// build without an SVG renderer (the Windows build embeds these).
//   render-pictures PICTURES_DIR ICON.svg OUTPUT_DIR
#include "lookups/about_figure.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kAboutFigures = 9;
const QList<int> kIconSizes{16, 24, 32, 48, 64, 256};

QImage Render(QSvgRenderer &renderer, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

bool Save(QSvgRenderer &renderer, const QSize &size, const QString &file)
{
    return renderer.isValid() && Render(renderer, size).save(file);
}

QByteArray PngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico whose images are PNG, as Windows reads them since Vista.
QByteArray IconFile(QSvgRenderer &renderer)
{
    QByteArray header;
    QByteArray images;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(kIconSizes.size());
    quint32 offset = 6 + 16 * kIconSizes.size();
    for (int size : kIconSizes) {
        const QByteArray png = PngBytes(Render(renderer, QSize(size, size)));
        const quint8 side = size >= 256 ? 0 : quint8(size);  // 0 means 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(png.size()) << offset;
        offset += quint32(png.size());
        images += png;
    }
    return header + images;
}

bool RenderAll(const QDir &pictures, const QString &icon, const QDir &output)
{
    bool ok = true;
    for (const QString &name : pictures.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        QSvgRenderer renderer(pictures.filePath(name));
        const QString base = output.filePath(QFileInfo(name).completeBaseName());
        if (name == QLatin1String("portrait.svg")) {
            ok &= Save(renderer, QSize(400, 800), base + QStringLiteral(".png"));
            continue;
        }
        for (int size : {16, 32})
            ok &= Save(renderer, QSize(size, size), base + QStringLiteral("-%1.png").arg(size));
    }
    for (int picture = 1; picture <= kAboutFigures; ++picture) {
        QSvgRenderer renderer(tornelis::AboutFigureSvg(picture));
        const QString base = output.filePath(QStringLiteral("about-%1").arg(picture));
        ok &= Save(renderer, QSize(100, 100), base + QStringLiteral(".png"));
        ok &= Save(renderer, QSize(200, 200), base + QStringLiteral("@2x.png"));
    }
    QSvgRenderer program(icon);
    for (int size : kIconSizes)
        ok &= Save(program, QSize(size, size), output.filePath(QStringLiteral("tornelis-%1.png").arg(size)));
    QFile ico(output.filePath(QStringLiteral("tornelis.ico")));
    ok &= program.isValid() && ico.open(QIODevice::WriteOnly) && ico.write(IconFile(program)) > 0;
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: render-pictures PICTURES_DIR ICON.svg OUTPUT_DIR\n");
        return 2;
    }
    const QDir output(arguments.at(3));
    if (!QDir().mkpath(output.path()) || !RenderAll(QDir(arguments.at(1)), arguments.at(2), output)) {
        std::fprintf(stderr, "render-pictures: cannot render every picture\n");
        return 1;
    }
    return 0;
}
