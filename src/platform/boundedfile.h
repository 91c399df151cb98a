#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kelvarino {

// Reading a file that the program did not write this moment (a file the user
// named, or one left from an earlier run). It is read only when it is a
// regular file of at most a given size: a FIFO would block the program until
// a writer came, a device (a link to /dev/zero) or a huge file would fill its
// memory. Anything else is refused before it is opened, and what is opened is
// checked again, so a name swapped for something else in between is refused
// too. No read goes past the size the file had when it was opened.
class BoundedFile
{
public:
    enum class Refusal {
        None,       // the file is open (open) or may be opened (inspect)
        Missing,    // nothing of that name
        NotRegular, // a FIFO, device, socket or folder; a link counts as what it points to
        TooLarge,   // more bytes than the bound
        NoPermission, // the user may not read it (or search a folder on its way)
        TooManyLinks, // its symbolic links go round in a loop or are too many
        Unreadable,   // it cannot be opened for another reason
    };

    BoundedFile(const QString &path, qint64 maxBytes);

    // What stands at the path, judged by its name alone; nothing is opened.
    static Refusal inspect(const QString &path, qint64 maxBytes);

    // Opens the file for reading when inspect allows it.
    Refusal open();
    // The file's size when it was opened.
    qint64 size() const { return size_; }
    // Its last modification when it was opened, in nanoseconds since 1970.
    qint64 modified() const { return modified_; }
    // The bytes read so far.
    qint64 position() const { return bytesRead_; }
    // Up to n more bytes: fewer at the end of the file, and never more than
    // the size at opening in all.
    QByteArray read(qint64 n);
    // Up to n bytes ahead, which the next read gives again.
    QByteArray peek(qint64 n);
    // Everything not yet read, up to the size at opening.
    QByteArray readRest() { return read(size_ - bytesRead_); }
    // Whether a read failed (an error of the disk, not the end of the file).
    bool failed() const { return file_.error() != QFileDevice::NoError; }

private:
    // How many of n bytes a read may take.
    qint64 allowed(qint64 n) const;

    QString path_;
    qint64 maxBytes_;
    qint64 size_ = 0;
    qint64 modified_ = 0;
    qint64 bytesRead_ = 0;
    QFile file_;
};

} // namespace kelvarino
