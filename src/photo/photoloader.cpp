#include "photo/photoloader.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

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

LoadedPhoto failed(const QString &reason)
{
    LoadedPhoto out;
    out.error = QCoreApplication::translate("photo", "Fotoğraf açılamadı: %1").arg(reason);
    return out;
}

QString openReason(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("photo", "dosya bulunamadı");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("photo", "dosya okunamıyor: okuma izni yok");
    case ENAMETOOLONG:
        return QCoreApplication::translate("photo", "dosyanın adı çok uzun");
    case ELOOP:
        return QCoreApplication::translate("photo", "sembolik bağlar döngü kuruyor");
    default:
        return QCoreApplication::translate("photo", "dosya okunamıyor (sistem hatası %1)")
            .arg(error);
    }
}

// The image libraries say their own English line where a photo is damaged:
// libpng on standard error itself ("libpng error: Read Error"), libjpeg
// through Qt's messages. The reason the reader gives says it in Turkish, so
// both are silenced while a photo is decoded: Qt's messages of the thread
// that decodes, and standard error for as long as any thread decodes.
thread_local bool decoding = false;
QtMessageHandler nextHandler = nullptr;
std::mutex errorLock;
int decoders = 0;
int savedError = -1;

void quietWhileDecoding(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!decoding)
        nextHandler(type, context, message);
}

struct Decoding {
    Decoding()
    {
        static std::once_flag installed;
        std::call_once(installed, [] { nextHandler = qInstallMessageHandler(quietWhileDecoding); });
        decoding = true;
        const std::lock_guard lock(errorLock);
        if (decoders++ > 0)
            return;
        std::fflush(stderr);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        savedError = nowhere < 0 ? -1 : ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (savedError >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
    }
    ~Decoding()
    {
        decoding = false;
        const std::lock_guard lock(errorLock);
        if (--decoders > 0 || savedError < 0)
            return;
        std::fflush(stderr);
        ::dup2(savedError, STDERR_FILENO);
        ::close(savedError);
        savedError = -1;
    }
    Decoding(const Decoding &) = delete;
    Decoding &operator=(const Decoding &) = delete;
};

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

LoadedPhoto loadPhotoFile(const QByteArray &path, int longSide)
{
    if (path.isEmpty() || path.contains('\0'))
        return failed(openReason(ENOENT));
    // A FIFO without a writer would hold the open, and a device or a FIFO
    // the reading, for ever: the open does not wait, and only a regular
    // file is read.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return failed(openReason(errno));
    struct stat status {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool directory = S_ISDIR(status.st_mode);
        ::close(descriptor);
        return failed(directory
                          ? QCoreApplication::translate("photo", "bu bir klasör, dosya değil")
                          : QCoreApplication::translate(
                                "photo", "sıradan bir dosya değil (FIFO, aygıt ya da soket)"));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return failed(openReason(EIO));
    }

    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const Decoding quiet;
    if (!reader.canRead())
        return failed(
            QCoreApplication::translate("photo", "fotoğraf değil: tanınan bir resim biçimi değil"));
    const QSize stored = reader.size();
    if (stored.isValid()) {
        if (qint64(stored.width()) * stored.height() > maxPhotoPixels)
            return failed(QCoreApplication::translate(
                              "photo", "fotoğraf çok büyük (%1 × %2 piksel); en çok %3 "
                                       "megapiksel okunur")
                              .arg(stored.width())
                              .arg(stored.height())
                              .arg(maxPhotoPixels / 1'000'000));
        // Decoding to the smaller size lets JPEG skip most of the work.
        const QSize smaller = fitted(stored, longSide);
        if (smaller != stored)
            reader.setScaledSize(smaller);
    }
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QImage image = reader.read();
    if (image.isNull())
        return failed(reader.error() == QImageReader::DeviceError
                          ? openReason(EIO)
                          : QCoreApplication::translate("photo", "fotoğraf bozuk ya da eksik"));
    QSize full = stored.isValid() ? stored : image.size();
    if (turned)
        full.transpose();
    if (std::max(image.width(), image.height()) > longSide)
        image = image.scaled(fitted(image.size(), longSide), Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    return fromDecoded(image, full);
}

LoadedPhoto loadPhoto(const QString &path, int longSide)
{
    return loadPhotoFile(QFile::encodeName(path), longSide);
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

QString tooSmallText(int pixels)
{
    return QCoreApplication::translate(
               "photo", "Direnç fotoğrafta çok küçük (%1 piksel): yaklaşarak yeniden çekin")
        .arg(pixels);
}

FileReading readPhotoFile(const QByteArray &path, std::optional<Ends> ends)
{
    FileReading out;
    const LoadedPhoto loaded = loadPhotoFile(path);
    if (!loaded.error.isEmpty()) {
        out.error = loaded.error;
        return out;
    }
    out.size = loaded.fullSize;
    if (ends && !inside(loaded.fullSize.width(), loaded.fullSize.height(), *ends)) {
        out.endsOutside = true;
        return out;
    }
    const PhotoReading reading =
        readPhoto(loaded.image, ends ? std::optional(loaded.toImage(*ends)) : std::nullopt);
    if (reading.ends)
        out.ends = loaded.toPhoto(*reading.ends);
    out.length = reading.length / loaded.scale();
    if (reading.tooSmall)
        out.tooSmall = int(std::lround(out.length));
    for (const Reading &r : reading.readings) {
        out.readings.push_back(
            {r.colours(), r.bandCount, r.value.value, r.confidence, r.share, r.fit, {}});
        for (const ReadBand &b : r.bands)
            if (b.seen)
                out.readings.back().alternatives.push_back(b.alternatives);
    }
    return out;
}

FileReading readPhotoFile(const QString &path, std::optional<Ends> ends)
{
    return readPhotoFile(QFile::encodeName(path), ends);
}

} // namespace photo
