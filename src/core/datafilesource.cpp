#include "core/datafilesource.h"

#include "platform/boundedfile.h"

#include <QCryptographicHash>

#include <algorithm>
#include <limits>

namespace kelvarino {
namespace {

constexpr auto DigestAlgorithm = QCryptographicHash::Sha256;
// How much of a file is read at once to digest it.
constexpr qint64 DigestSectionBytes = qint64(1) << 20;
constexpr qint64 AnySize = std::numeric_limits<qint64>::max();

} // namespace

DataFileSource::DataFileSource(QByteArray bytes)
    : bytes_(std::move(bytes)), size_(bytes_.size()), digest_(std::make_unique<QCryptographicHash>(DigestAlgorithm))
{
}

DataFileSource::DataFileSource(std::unique_ptr<BoundedFile> file)
    : file_(std::move(file)), size_(file_->size() - file_->position()),
      digest_(std::make_unique<QCryptographicHash>(DigestAlgorithm))
{
}

DataFileSource::~DataFileSource() = default;

qint64 DataFileSource::remaining() const { return failed_ ? 0 : size_ - position_; }

QByteArray DataFileSource::read(qint64 n)
{
    QByteArray bytes = file_ ? file_->read(n) : bytes_.mid(qsizetype(position_), qsizetype(n));
    position_ += bytes.size();
    digest_->addData(bytes);
    return bytes;
}

std::optional<QByteArray> DataFileSource::take(qint64 n)
{
    if (n < 0 || n > remaining()) {
        failed_ = true;
        return std::nullopt;
    }
    QByteArray bytes = read(n);
    if (bytes.size() != n) {
        failed_ = true;
        return std::nullopt;
    }
    return bytes;
}

QByteArray DataFileSource::upTo(qint64 n) { return read(std::clamp(n, qint64(0), remaining())); }

bool DataFileSource::readFailed() const { return file_ && file_->failed(); }

FileStamp DataFileSource::finish()
{
    FileStamp stamp;
    stamp.size = file_ ? file_->size() : size_;
    stamp.modified = file_ ? file_->modified() : 0;
    stamp.digestedBytes = position_;
    stamp.digest = digest_->result();
    failed_ = true;
    return stamp;
}

FileStamp StampOfWrittenFile(const QString &path, const QByteArray &written)
{
    FileStamp stamp;
    BoundedFile file(path, AnySize);
    if (file.open() == BoundedFile::Refusal::None) {
        stamp.size = file.size();
        stamp.modified = file.modified();
    }
    stamp.digestedBytes = written.size();
    stamp.digest = QCryptographicHash::hash(written, DigestAlgorithm);
    return stamp;
}

FileOnDisk CompareWithDisk(const QString &path, const FileStamp &stamp)
{
    BoundedFile file(path, AnySize);
    switch (file.open()) {
    case BoundedFile::Refusal::None: break;
    case BoundedFile::Refusal::Missing: return FileOnDisk::Gone;
    default: return FileOnDisk::Changed;
    }
    if (file.size() != stamp.size || file.modified() != stamp.modified || stamp.digestedBytes > file.size())
        return FileOnDisk::Changed;
    QCryptographicHash digest(DigestAlgorithm);
    for (qint64 left = stamp.digestedBytes; left > 0;) {
        const QByteArray bytes = file.read(std::min(left, DigestSectionBytes));
        if (bytes.isEmpty())
            return FileOnDisk::Changed;
        digest.addData(bytes);
        left -= bytes.size();
    }
    return digest.result() == stamp.digest ? FileOnDisk::Same : FileOnDisk::Changed;
}

} // namespace kelvarino
