#pragma once

#include "fifowatch.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <optional>

namespace kvtest {

// Something that is not a file of the program's, put where the program looks
// for one: a FIFO (watched, see FifoWatch), a folder, a link to /dev/zero or a
// sparse file of a given size that starts with given bytes.
class OddFile
{
public:
    enum Kind { Fifo, Folder, LinkToZeroDevice, Sparse };

    OddFile(Kind kind, const QString &path, qint64 sparseSize = 0, const QByteArray &head = {})
    {
        switch (kind) {
        case Fifo:
            fifo_.emplace(path);
            made_ = fifo_->made();
            break;
        case Folder:
            made_ = QDir().mkpath(path);
            break;
        case LinkToZeroDevice:
            made_ = QFile::link(QStringLiteral("/dev/zero"), path);
            break;
        case Sparse: {
            QFile file(path);
            made_ = file.open(QIODevice::WriteOnly) && file.write(head) == head.size() && file.resize(sparseSize);
            break;
        }
        }
    }

    bool made() const { return made_; }
    // Whether anything opened the FIFO for reading; false for the others.
    bool openedAsFifo() { return fifo_ && fifo_->openedByOthers(); }

private:
    std::optional<FifoWatch> fifo_;
    bool made_ = false;
};

} // namespace kvtest
