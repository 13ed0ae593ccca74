#include "photo/photoloader.h"

#include <QCoreApplication>
#include <QImageReader>

#include <cstring>

namespace photo
{

namespace
{

QSize fitted(QSize size, int longSide)
{
    if (std::max(size.width(), size.height()) <= longSide)
        return size;
    return size.scaled(longSide, longSide, Qt::KeepAspectRatio);
}

LoadedPhoto fromDecoded(QImage image, QSize fullSize)
{
    LoadedPhoto loaded;
    loaded.shown = image.convertToFormat(QImage::Format_RGB888);
    loaded.image = rgbFromImage(loaded.shown);
    loaded.fullSize = fullSize;
    return loaded;
}

} // namespace

double LoadedPhoto::scale() const
{
    if (fullSize.width() <= 0)
        return 1;
    return double(image.width) / fullSize.width();
}

Ends LoadedPhoto::toImage(const Ends &e) const
{
    const double s = scale();
    return {{e.first.x * s, e.first.y * s}, {e.second.x * s, e.second.y * s}};
}

Ends LoadedPhoto::toPhoto(const Ends &e) const
{
    const double s = scale();
    return {{e.first.x / s, e.first.y / s}, {e.second.x / s, e.second.y / s}};
}

RgbImage rgbFromImage(const QImage &image)
{
    const QImage rgb = image.format() == QImage::Format_RGB888
                           ? image
                           : image.convertToFormat(QImage::Format_RGB888);
    RgbImage out = makeImage(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(out.pixel(0, y), rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    return out;
}

LoadedPhoto loadPhoto(const QString &path, int longSide)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid()) {
        // Decoding to the smaller size lets JPEG skip most of the work.
        const QSize smaller = fitted(stored, longSide);
        if (smaller != stored)
            reader.setScaledSize(smaller);
    }
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QImage image = reader.read();
    if (image.isNull()) {
        LoadedPhoto failed;
        failed.error = QCoreApplication::translate("photo", "Fotoğraf açılamadı: %1")
                           .arg(reader.errorString());
        return failed;
    }
    QSize full = stored.isValid() ? stored : image.size();
    if (turned)
        full.transpose();
    if (std::max(image.width(), image.height()) > longSide)
        image = image.scaled(fitted(image.size(), longSide), Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    return fromDecoded(image, full);
}

LoadedPhoto photoFromImage(const QImage &image, int longSide)
{
    if (image.isNull()) {
        LoadedPhoto failed;
        failed.error = QCoreApplication::translate("photo", "Resim yok.");
        return failed;
    }
    const QImage smaller = std::max(image.width(), image.height()) > longSide
                               ? image.scaled(fitted(image.size(), longSide), Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation)
                               : image;
    return fromDecoded(smaller, image.size());
}

FileReading readPhotoFile(const QString &path, std::optional<Ends> ends)
{
    FileReading out;
    const LoadedPhoto loaded = loadPhoto(path);
    if (!loaded.error.isEmpty()) {
        out.error = loaded.error;
        return out;
    }
    const PhotoReading reading =
        readPhoto(loaded.image, ends ? std::optional(loaded.toImage(*ends)) : std::nullopt);
    if (reading.ends)
        out.ends = loaded.toPhoto(*reading.ends);
    for (const Reading &r : reading.readings)
        out.readings.push_back({r.colours(), r.bandCount, r.value.value, r.confidence, r.share});
    return out;
}

} // namespace photo
