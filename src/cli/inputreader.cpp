#include "cli/inputreader.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>

namespace cli
{

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("cli", "bulunamadı");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("cli", "izin yok");
    case EISDIR:
        return QCoreApplication::translate("cli", "bir klasör");
    case ENOTDIR:
        return QCoreApplication::translate("cli", "yolundaki bir ad klasör değil");
    case EBADF:
        return QCoreApplication::translate("cli", "kapalı");
    case ENOSPC:
        return QCoreApplication::translate("cli", "aygıtta yer kalmadı");
    case EDQUOT:
        return QCoreApplication::translate("cli", "disk kotası doldu");
    case EFBIG:
        return QCoreApplication::translate("cli", "dosya çok büyük");
    case EPIPE:
        return QCoreApplication::translate("cli", "okuyan taraf kapandı");
    case EIO:
        return QCoreApplication::translate("cli", "giriş/çıkış hatası");
    case ENAMETOOLONG:
        return QCoreApplication::translate("cli", "adı çok uzun");
    case ELOOP:
        return QCoreApplication::translate("cli", "sembolik bağlar döngü kuruyor");
    case ENXIO:
    case ENODEV:
        return QCoreApplication::translate("cli", "aygıt yok");
    default:
        return QCoreApplication::translate("cli", "sistem hatası %1").arg(error);
    }
}

std::optional<std::string> LineReader::stop(const QString &why)
{
    m_stopped = true;
    m_failure = why;
    return std::nullopt;
}

std::optional<std::string> LineReader::stopUnread(int error)
{
    // The reason is taken before anything else may change errno.
    return stop(QCoreApplication::translate("cli", "standart girdi okunamadı: %1")
                    .arg(systemReason(error)));
}

std::optional<std::string> LineReader::stopTooLong()
{
    return stop(
        QCoreApplication::translate("cli", "satır %1 bayttan uzun; okuma durdu").arg(maxLineBytes));
}

std::optional<std::string> LineReader::next()
{
    if (m_stopped)
        return std::nullopt;
    // A closed standard input reads as an empty one through stdio, or as
    // whatever file was opened in its place: ask the descriptor first.
    if (m_number == 0 && fcntl(fileno(m_stream), F_GETFD) < 0)
        return stopUnread(errno);
    ++m_number;
    std::string line;
    // Room for a "\r" after the longest line.
    constexpr std::size_t room = maxLineBytes + 1;
    for (;;) {
        errno = 0;
        const int c = std::getc(m_stream);
        if (c == EOF) {
            if (std::ferror(m_stream))
                return stopUnread(errno);
            m_stopped = true;
            if (line.empty())
                return std::nullopt;
            break;
        }
        if (c == '\n')
            break;
        if (c == '\0')
            return stop(
                QCoreApplication::translate("cli", "girdi metin değil (NUL baytı); okuma durdu"));
        if (line.size() == room)
            return stopTooLong();
        line += char(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > maxLineBytes)
        return stopTooLong();
    return line;
}

bool writeAll(std::FILE *stream, std::string_view bytes, int &error)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && !std::ferror(stream))
        return true;
    error = errno;
    return false;
}

bool flushAll(std::FILE *stream, int &error)
{
    errno = 0;
    if (std::fflush(stream) == 0 && !std::ferror(stream))
        return true;
    error = errno;
    return false;
}

} // namespace cli
