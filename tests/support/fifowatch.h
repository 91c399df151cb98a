#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvtest {

// A FIFO for a test of code that must never open one. Opening a FIFO for
// reading waits for a writer; here a writer stands by, so code that opens it
// anyway goes on (it reads one byte, then the end) instead of hanging the
// test, and openedByOthers() tells that it did.
class FifoWatch
{
public:
    explicit FifoWatch(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        if (::mkfifo(name.constData(), 0600) != 0)
            return;
        // The FIFO itself, whatever happens to its name later; opening it
        // this way makes neither a reader nor a writer.
        handle_ = ::open(name.constData(), O_PATH | O_CLOEXEC);
        if (handle_ >= 0)
            writer_ = std::thread([this] { standBy(); });
    }
    ~FifoWatch()
    {
        openedByOthers();
        if (handle_ >= 0)
            ::close(handle_);
    }
    FifoWatch(const FifoWatch &) = delete;
    FifoWatch &operator=(const FifoWatch &) = delete;

    bool made() const { return handle_ >= 0; }

    // Whether anything but this watch opened the FIFO for reading. Ends the
    // watch: a writer still waiting is let go by a reader of the watch's own,
    // and hands it its byte.
    bool openedByOthers()
    {
        if (!writer_.joinable())
            return openedByOthers_;
        const int reader = ::open(itself().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        writer_.join();
        char byte = 0;
        openedByOthers_ = !(reader >= 0 && ::read(reader, &byte, 1) == 1);
        if (reader >= 0)
            ::close(reader);
        return openedByOthers_;
    }

private:
    QByteArray itself() const { return "/proc/self/fd/" + QByteArray::number(handle_); }

    void standBy()
    {
        // A reader that has already gone must not end the test with SIGPIPE.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        const int writer = ::open(itself().constData(), O_WRONLY | O_CLOEXEC); // waits for a reader
        if (writer >= 0) {
            [[maybe_unused]] const auto written = ::write(writer, "x", 1);
            ::close(writer);
        }
    }

    int handle_ = -1;
    std::thread writer_;
    bool openedByOthers_ = false;
};

} // namespace kvtest
