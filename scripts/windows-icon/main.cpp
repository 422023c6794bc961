// Draws the program's SVG icon at the sizes Windows shows (Explorer's lists
// and tiles, the taskbar, Alt+Tab) and writes them into one .ico file, each
// size as a PNG image, which Windows reads since Vista.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QByteArray pngOf(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

template <typename T> void put(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: windows-icon ICON.svg OUT.ico\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    const int count = int(std::size(sizes));
    QByteArray header, images;
    put<quint16>(header, 0); // reserved
    put<quint16>(header, 1); // an icon, not a cursor
    put<quint16>(header, quint16(count));
    quint32 offset = 6 + 16 * count;
    for (const int size : sizes) {
        const QByteArray png = pngOf(renderer, size);
        header.append(char(size % 256)).append(char(size % 256)); // 0 stands for 256
        header.append(char(0)).append(char(0));                   // no palette, reserved
        put<quint16>(header, 1);                                  // colour planes
        put<quint16>(header, 32);                                 // bits per pixel
        put<quint32>(header, quint32(png.size()));
        put<quint32>(header, offset);
        offset += quint32(png.size());
        images += png;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    return out.open(QIODevice::WriteOnly) && out.write(header + images) == header.size() + images.size() ? 0 : 1;
}
