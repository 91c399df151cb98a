#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QCryptographicHash;

namespace kelvarino {

class BoundedFile;

// What tells one state of a data file from another: its size, its last
// modification and a digest of its first bytes (those the program read of it,
// or all it wrote). Bytes past the end of the work, which a reader never
// reads, count only in the size.
struct FileStamp
{
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds since 1970; 0 for bytes never on disk
    qint64 digestedBytes = 0;
    QByteArray digest;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// The stamp of the bytes just written to path, with the size and time the
// file has now.
FileStamp StampOfWrittenFile(const QString &path, const QByteArray &written);

enum class FileOnDisk {
    Same,    // size, time and digest as stamped
    Changed, // any of them differs, or the file cannot be read to compare
    Gone,    // nothing of that name any more
};
// Whether the file at path is still the one the stamp describes.
FileOnDisk CompareWithDisk(const QString &path, const FileStamp &stamp);

// Where a data file's reader takes its bytes from, one section at a time: the
// file itself or bytes already in memory. It knows how many bytes remain, so
// that what a count declares is checked against what the file really holds
// before anything is allocated or read; and it digests what it gives.
class DataFileSource
{
public:
    explicit DataFileSource(QByteArray bytes);
    // A file that BoundedFile::open opened.
    explicit DataFileSource(std::unique_ptr<BoundedFile> file);
    ~DataFileSource();
    DataFileSource(const DataFileSource &) = delete;
    DataFileSource &operator=(const DataFileSource &) = delete;

    qint64 remaining() const;
    // Exactly n more bytes; none when fewer remain or the file cannot be read
    // (a disk error, or a file that shrank while it was read). After a
    // failure nothing more is given.
    std::optional<QByteArray> take(qint64 n);
    // Up to n more bytes, fewer at the end.
    QByteArray upTo(qint64 n);
    // Whether the disk failed a read (not the end of the file).
    bool readFailed() const;
    // Ends the reading: the size and time at opening and the digest of every
    // byte given. Nothing more is given afterwards.
    FileStamp finish();

private:
    QByteArray read(qint64 n);

    QByteArray bytes_; // in memory
    std::unique_ptr<BoundedFile> file_;
    qint64 size_ = 0;
    qint64 position_ = 0;
    bool failed_ = false;
    std::unique_ptr<QCryptographicHash> digest_;
};

} // namespace kelvarino
