#include "cli/inputreader.h"

#include <cerrno>
#include <fcntl.h>

namespace cli
{

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("bulunamadı");
    case EACCES:
    case EPERM:
        return QStringLiteral("izin yok");
    case EISDIR:
        return QStringLiteral("bir klasör");
    case ENOTDIR:
        return QStringLiteral("yolundaki bir ad klasör değil");
    case EBADF:
        return QStringLiteral("kapalı");
    case ENOSPC:
        return QStringLiteral("aygıtta yer kalmadı");
    case EDQUOT:
        return QStringLiteral("disk kotası doldu");
    case EFBIG:
        return QStringLiteral("dosya çok büyük");
    case EPIPE:
        return QStringLiteral("okuyan taraf kapandı");
    case EIO:
        return QStringLiteral("giriş/çıkış hatası");
    case ENAMETOOLONG:
        return QStringLiteral("adı çok uzun");
    case ELOOP:
        return QStringLiteral("sembolik bağlar döngü kuruyor");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("aygıt yok");
    default:
        return QStringLiteral("sistem hatası %1").arg(error);
    }
}

std::optional<std::string> LineReader::stop(const QString &why)
{
    m_stopped = true;
    m_failure = why;
    return std::nullopt;
}

std::optional<std::string> LineReader::next()
{
    if (m_stopped)
        return std::nullopt;
    // A closed standard input reads as an empty one through stdio, or as
    // whatever file was opened in its place: ask the descriptor first.
    if (m_number == 0 && fcntl(fileno(m_stream), F_GETFD) < 0)
        return stop(QStringLiteral("standart girdi okunamadı: ") + systemReason(errno));
    ++m_number;
    std::string line;
    // Room for a "\r" after the longest line.
    constexpr std::size_t room = maxLineBytes + 1;
    for (;;) {
        errno = 0;
        const int c = std::getc(m_stream);
        if (c == EOF) {
            if (std::ferror(m_stream))
                return stop(QStringLiteral("standart girdi okunamadı: ") + systemReason(errno));
            m_stopped = true;
            if (line.empty())
                return std::nullopt;
            break;
        }
        if (c == '\n')
            break;
        if (c == '\0')
            return stop(QStringLiteral("girdi metin değil (NUL baytı); okuma durdu"));
        if (line.size() == room)
            return stop(QStringLiteral("satır %1 bayttan uzun; okuma durdu").arg(maxLineBytes));
        line += char(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > maxLineBytes)
        return stop(QStringLiteral("satır %1 bayttan uzun; okuma durdu").arg(maxLineBytes));
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
