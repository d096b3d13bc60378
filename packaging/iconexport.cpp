// Writes the program's icon, drawn from its own logo, into a hicolor icon
// theme folder: scalable (SVG) and PNGs of the usual sizes.
//
//   fixtora_icons <theme folder> <icon name>

#include "shell/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;

QString iconFile(const QString &theme, const QString &size, const QString &name, const char *ext)
{
    const QString folder = theme + QStringLiteral("/%1/apps").arg(size);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name + QLatin1String(ext);
}

bool writeSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(QStringLiteral("Fixtora"));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    fixtora::PaintLogo(painter, kSvgSize);
    return painter.end();
}

bool writePng(const QString &path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    fixtora::PaintLogo(painter, size);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");  // runs in the build, with no display
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <theme folder> <icon name>\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = writeSvg(iconFile(theme, QStringLiteral("scalable"), name, ".svg"));
    for (int size : kSizes)
        written = writePng(iconFile(theme, QStringLiteral("%1x%1").arg(size), name, ".png"), size) && written;
    if (!written)
        std::fprintf(stderr, "%s: could not write the icons into %s\n", argv[0], argv[1]);
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}
