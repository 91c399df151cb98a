#include "platform/boundedfile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvarino {
namespace {

using Refusal = BoundedFile::Refusal;

Refusal judge(const struct stat &info, qint64 maxBytes)
{
    if (!S_ISREG(info.st_mode))
        return Refusal::NotRegular;
    if (qint64(info.st_size) > maxBytes)
        return Refusal::TooLarge;
    return Refusal::None;
}

Refusal failureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return Refusal::Missing;
    case EACCES:
    case EPERM: return Refusal::NoPermission;
    case ELOOP: return Refusal::TooManyLinks;
    default: return Refusal::Unreadable;
    }
}

} // namespace

BoundedFile::BoundedFile(const QString &path, qint64 maxBytes)
    : path_(path), maxBytes_(maxBytes)
{
}

BoundedFile::Refusal BoundedFile::inspect(const QString &path, qint64 maxBytes)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return failureOf(errno);
    return judge(info, maxBytes);
}

BoundedFile::Refusal BoundedFile::open()
{
    if (const Refusal refusal = inspect(path_, maxBytes_); refusal != Refusal::None)
        return refusal;
    // Without waiting: should the name have become a FIFO since it was
    // inspected, opening it must not wait for a writer. The check of what was
    // opened then refuses it.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failureOf(errno);
    struct stat info {};
    Refusal refusal = ::fstat(fd, &info) == 0 ? judge(info, maxBytes_) : Refusal::Unreadable;
    if (refusal == Refusal::None) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1
            || !file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            refusal = Refusal::Unreadable;
    }
    if (refusal != Refusal::None) {
        ::close(fd);
        return refusal;
    }
    size_ = qint64(info.st_size);
    modified_ = qint64(info.st_mtim.tv_sec) * 1000000000 + qint64(info.st_mtim.tv_nsec);
    return Refusal::None;
}

qint64 BoundedFile::allowed(qint64 n) const
{
    return file_.isOpen() ? std::clamp(n, qint64(0), size_ - bytesRead_) : 0;
}

QByteArray BoundedFile::read(qint64 n)
{
    const qint64 length = allowed(n);
    if (length == 0)
        return QByteArray();
    QByteArray bytes = file_.read(length);
    bytesRead_ += bytes.size();
    return bytes;
}

QByteArray BoundedFile::peek(qint64 n)
{
    const qint64 length = allowed(n);
    return length == 0 ? QByteArray() : file_.peek(length);
}

} // namespace kelvarino
