// The print system's list as the client library reads it, against servers
// that cannot be reached or never answer, and the papers it names.

#include "platform/cupsprintsystem.h"
#include "testprogram.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <thread>

using namespace kelvarino;

namespace test_printsystem {

namespace {

// The list read on a thread of its own, whose client library takes the server
// from the environment afresh.
PrinterList readFrom(const QString &server)
{
    qputenv("CUPS_SERVER", server.toLocal8Bit());
    PrinterList list;
    std::thread([&] { list = ReadPrintSystemPrinters(0.2); }).join();
    qunsetenv("CUPS_SERVER");
    return list;
}

// A server socket that takes connections into its queue and never answers.
class SilentServer
{
public:
    explicit SilentServer(const QString &path)
    {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        listening_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::listen(fd_, 8) == 0;
    }
    ~SilentServer()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SilentServer(const SilentServer &) = delete;
    SilentServer &operator=(const SilentServer &) = delete;
    bool listening() const { return listening_; }

private:
    int fd_ = -1;
    bool listening_ = false;
};

} // namespace

class TestPrintSystem : public QObject
{
    Q_OBJECT

private slots:
    // A print system that is not running and one that never answers both
    // say nothing of their printers: neither list counts as an answer, so
    // nobody takes the program printer for gone.
    void anUnreachableOrSilentServerIsNoAnswer()
    {
        QTemporaryDir dir;
        const PrinterList refused = readFrom(dir.filePath(QStringLiteral("nobody.sock")));
        QVERIFY(!refused.answered);
        QVERIFY(refused.names.isEmpty());

        const QString path = dir.filePath(QStringLiteral("silent.sock"));
        SilentServer server(path);
        QVERIFY(server.listening());
        const PrinterList silent = readFrom(path);
        QVERIFY(!silent.answered);
        QVERIFY(silent.names.isEmpty());
    }

    void papersAreKnownByEitherName_data()
    {
        QTest::addColumn<QString>("media");
        QTest::addColumn<int>("code");
        QTest::newRow("A4") << QStringLiteral("iso_a4_210x297mm") << 9;
        QTest::newRow("A3") << QStringLiteral("iso_a3_297x420mm") << 8;
        QTest::newRow("letter") << QStringLiteral("na_letter_8.5x11in") << 1;
        QTest::newRow("legal") << QStringLiteral("na_legal_8.5x14in") << 5;
        QTest::newRow("older name") << QStringLiteral("A4") << 9;
        QTest::newRow("older name, other case") << QStringLiteral("letter") << 1;
        QTest::newRow("a size no code has") << QStringLiteral("custom_16x20in_16x20in") << 0;
        QTest::newRow("the smallest custom size") << QStringLiteral("custom_min_0.5x0.5in") << 0;
        QTest::newRow("unknown") << QStringLiteral("roll_max_36x1000in_x") << 0;
        QTest::newRow("empty") << QString() << 0;
    }
    void papersAreKnownByEitherName()
    {
        QFETCH(QString, media);
        QFETCH(int, code);
        QCOMPARE(PaperCodeOfMedia(media), code);
    }
};

KV_TEST_MAIN(TestPrintSystem)

} // namespace test_printsystem

#include "test_printsystem.moc"
