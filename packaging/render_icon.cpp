// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon as a square PNG of the given size:
//   contalandia_render_icon <icon.svg> <size> <out.png>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0 || size > 4096) {
        std::fprintf(stderr, "usage: contalandia_render_icon <icon.svg> <size> <out.png>\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    QDir().mkpath(QFileInfo(args[3]).absolutePath());
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
