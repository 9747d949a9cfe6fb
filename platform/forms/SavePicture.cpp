// Saving a picture object to a file, with the runtime's errors for a path that cannot be written.
#include "platform/forms/Picture.h"

#include "platform/vb/RuntimeError.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace forms {

namespace {

[[noreturn]] void raiseFileError(int error, bool opening)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: throw vb::RuntimeError(vb::err::PathNotFound, QStringLiteral("Path not found"));
    case ENOSPC:
    case EDQUOT: throw vb::RuntimeError(vb::err::DiskFull, QStringLiteral("Disk full"));
    default:
        if (opening)
            throw vb::RuntimeError(vb::err::PathFileAccessError, QStringLiteral("Path/File access error"));
        throw vb::RuntimeError(vb::err::DeviceIOError, QStringLiteral("Device I/O error"));
    }
}

// Every byte reaches the file or the error is raised; a disk that fills up is told at the write
// or, on some file systems, only at the close.
void writeFile(const QString& fileName, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        raiseFileError(errno, true);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            raiseFileError(error, false);
        }
        done += n;
    }
    if (::close(fd) != 0)
        raiseFileError(errno, false);
}

} // namespace

void SavePicture(const Picture& picture, const QString& fileName)
{
    if (!picture)
        vb::raiseObjectNotSet();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, picture.Type() == Picture::Icon ? "ico" : "bmp");
    if (!writer.write(picture.image()))
        throw vb::RuntimeError(vb::err::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    writeFile(fileName, bytes);
}

} // namespace forms
