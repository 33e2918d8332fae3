// Writes every picture of the game into a folder, at scale 1 and at scale 2
// (name@2x.png, picked up on high-density screens), the desktop icon also
// at scale 4 and as croquel.exe's icon on Windows (icon.ico). Needs no
// display.
#include "drawing.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>

#include <QSet>

#include <algorithm>
#include <cstdio>

namespace {

// The same pixels in the smallest PNG the game reads fastest: one byte a
// pixel where the picture allows (grey walls, few-coloured sprites), which
// cuts the decoding at start-up to a third.
QImage compact(const QImage& image)
{
    if (image.hasAlphaChannel()) {
        return image;
    }
    QSet<QRgb> colours;
    bool grey = true;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            grey = grey && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
        }
    }
    if (grey) {
        return image.convertToFormat(QImage::Format_Grayscale8);
    }
    if (colours.size() <= 256) {
        QList<QRgb> palette(colours.begin(), colours.end());
        std::sort(palette.begin(), palette.end());  // the same file on every run
        return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
    }
    return image;
}

// A Windows icon file of the desktop icon at the sizes the shell shows,
// each image stored as PNG, as Windows reads them since Vista.
QByteArray windowsIcon(const QImage& large)
{
    const QList<int> sizes{16, 24, 32, 48, 256};
    QByteArray directory;
    QByteArray images;
    QDataStream out(&directory, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());  // reserved, an icon, its images
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG");
        const auto offset = quint32(6 + 16 * sizes.size() + images.size());
        // Width and height 0 stand for 256; no palette; one plane of 32 bits.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(png.size()) << offset;
        images += png;
    }
    return directory + images;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const croquel::assets::PictureEntry& picture : croquel::assets::allPictures()) {
        for (int scale : picture.scales) {
            const QString path = folder.filePath(croquel::assets::fileNameAt(picture, scale));
            if (!compact(croquel::assets::drawPicture(picture.fileName, scale)).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    QFile icon(folder.filePath(QStringLiteral("icon.ico")));
    if (!icon.open(QIODevice::WriteOnly) || icon.write(windowsIcon(croquel::assets::drawPicture("icon.png", 4))) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(icon.fileName()));
        return 1;
    }
    return 0;
}
