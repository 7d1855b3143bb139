#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

// Opens `path` for reading without waiting for a writer (a FIFO would block
// an ordinary open for ever) and refuses anything that is not a regular file.
int openRegular(const QString &path, qint64 *size, QString *refusal)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *refusal = QStringLiteral("cannot open %1").arg(path);
        return -1;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *refusal = QStringLiteral("not a regular file: %1").arg(path);
        return -1;
    }
    *size = st.st_size;
    return fd;
}

// Reads at most `limit` bytes from `fd`.
QByteArray readAtMost(int fd, qint64 limit, bool *failed)
{
    QByteArray bytes;
    constexpr qint64 kChunk = 64 * 1024;
    while (bytes.size() < limit) {
        const qint64 want = std::min(kChunk, limit - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + want);
        const ssize_t got = ::read(fd, bytes.data() + at, size_t(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        bytes.resize(at + std::max<ssize_t>(got, 0));
        if (got <= 0) {
            *failed = got < 0;
            break;
        }
    }
    return bytes;
}

FileBytes readBounded(const QString &path, qint64 maxBytes, bool wholeFile)
{
    FileBytes result;
    const int fd = openRegular(path, &result.size, &result.refusal);
    if (fd < 0)
        return result;
    bool failed = false;
    // One byte more than allowed tells a file that grew or lied about its size.
    result.bytes = readAtMost(fd, wholeFile ? maxBytes + 1 : maxBytes, &failed);
    ::close(fd);
    if (failed)
        result.refusal = QStringLiteral("cannot read %1").arg(path);
    else if (wholeFile && (result.size > maxBytes || result.bytes.size() > maxBytes))
        result.refusal = QStringLiteral("file too large: %1").arg(path);
    if (!result.ok())
        result.bytes.clear();
    return result;
}

} // namespace

FileBytes readRegularFile(const QString &path, qint64 maxBytes)
{
    return readBounded(path, maxBytes, true);
}

FileBytes readFileHead(const QString &path, qint64 maxBytes)
{
    return readBounded(path, maxBytes, false);
}

bool replaceFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo target(path);
    QDir().mkpath(target.absolutePath());
    // The new file is made beside the old one (a rename works only within one
    // file system) under a name nobody else can have taken.
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                        + QStringLiteral(".XXXXXX"));
    const bool written = file.open() && file.write(bytes) == bytes.size() && file.flush()
        && ::fsync(file.handle()) == 0;
    if (!written) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.close();
    // rename() replaces whatever is at `path`, a link included, as a whole.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

} // namespace tw
