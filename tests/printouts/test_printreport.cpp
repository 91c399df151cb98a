// Every printout of the example building printed through printreport: its
// page count and a few exact texts of its pages; the issues and payments
// named by their numbers in their windows (1 the oldest).
#include "oddfile.h"
#include "testprogram.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace test_printreport {

namespace {

const QString Example = QStringLiteral(KV_SOURCE_DIR "/examples/Πολυκατοικία Παραδείγματος.s43");

struct ToolRun
{
    int exitCode = -1;
    QString errors;
};

ToolRun PrintReport(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(KV_PRINTREPORT), QStringList{Example} + arguments);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardError())};
}

// A run of the tool on the given file, with the most memory it held, as the
// system measured it for that one process.
struct MeasuredRun
{
    int exitCode = -1;
    QString errors;
    qint64 peakMemory = -1; // bytes
};

MeasuredRun MeasuredPrintReport(const QString &file, const QStringList &arguments, const QString &errorsPath)
{
    QList<QByteArray> words{QByteArray(KV_PRINTREPORT), QFile::encodeName(file)};
    for (const QString &argument : arguments)
        words.append(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray errors = QFile::encodeName(errorsPath);
    posix_spawn_file_actions_addopen(&actions, 2, errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    MeasuredRun run;
    pid_t child = -1;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMemory = qint64(usage.ru_maxrss) * 1024;
    QFile written(errorsPath);
    if (written.open(QIODevice::ReadOnly))
        run.errors = QString::fromLocal8Bit(written.readAll()).trimmed();
    return run;
}

QString Output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString &pdf)
{
    for (const QString &line : Output(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

QString PageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return Output(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")});
}

} // namespace

class TestPrintReport : public QObject
{
    Q_OBJECT

private slots:
    void examplePrintouts_data()
    {
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("cash") << QStringList{QStringLiteral("cash"), QStringLiteral("8")} << 1 << 1
                              << QStringList{QStringLiteral("ΤΑΜΕΙΟ ΣΤΗΝ ΑΡΧΗ ΤΗΣ ΠΕΡΙΟΔΟΥ: 499,17 €"),
                                             // The start, the period's payments less its expenses, and
                                             // the December bills and two charges left unpaid.
                                             QStringLiteral("ΤΑΜΕΙΟ ΣΤΟ ΤΕΛΟΣ ΤΗΣ ΠΕΡΙΟΔΟΥ: -740,87 €"),
                                             QStringLiteral("4240,15"), QStringLiteral("4336,12"),
                                             QStringLiteral("ΑΠΟΘΕΜΑΤΙΚΑ: 2300,00"),
                                             QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΤΑΜΕΙΟΥ ΑΠΟ: 1/10/2025 ΕΩΣ: "
                                                            "31/12/2025")};
        QTest::newRow("cash, the first") << QStringList{QStringLiteral("cash"), QStringLiteral("1")} << 1 << 1
                                         << QStringList{QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΤΑΜΕΙΟΥ ΑΠΟ: 1/1/2024 "
                                                                       "ΕΩΣ: 31/3/2024")};
        QTest::newRow("permille") << QStringList{QStringLiteral("permille")} << 2 << 1
                                  << QStringList{QStringLiteral("ΧΙΛΙΟΣΤΑ"), QStringLiteral("ΙΣΟΠΟΣΑ"),
                                                 QStringLiteral("Από: 1/7/2024"), QStringLiteral("Έως σήμερα"),
                                                 QStringLiteral("1000,00")};
        QTest::newRow("receipt") << QStringList{QStringLiteral("receipt"), QStringLiteral("1")} << 2 << 1
                                 << QStringList{QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΕΝΟΙΚΟΥ"),
                                                QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: 513,20 €"),
                                                QStringLiteral("ΝΕΟ ΥΠΟΛΟΙΠΟ: 7,71 €")};
        QTest::newRow("receipt, owner") << QStringList{QStringLiteral("receipt"), QStringLiteral("1")} << 2 << 2
                                        << QStringList{QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΙΔΙΟΚΤΗΤΗ")};
        QTest::newRow("receipt, the last") << QStringList{QStringLiteral("receipt"), QStringLiteral("83")} << 2 << 1
                                           << QStringList{QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: Δ3"),
                                                          QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ: 1/11/2025"),
                                                          QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: 59,44 €")};
        QTest::newRow("persons") << QStringList{QStringLiteral("persons")} << 1 << 1
                                 << QStringList{QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΙΚΟΙΝΩΝΙΑΣ ΠΡΟΣΩΠΩΝ"),
                                                QStringLiteral("Γεώργιος Παπαδόπουλος, Κύριο")};
        QTest::newRow("professionals") << QStringList{QStringLiteral("professionals")} << 1 << 1
                                       << QStringList{QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΠΙΚΟΙΝΩΝΙΑΣ ΕΠΑΓΓΕΛΜΑΤΙΩΝ"),
                                                      QStringLiteral("Σταύρος Μπέλλος")};
    }
    void examplePrintouts()
    {
        QFETCH(QStringList, report);
        QFETCH(int, page);
        QFETCH(QStringList, texts);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        const ToolRun run = PrintReport(report + QStringList{pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QTEST(PageCount(pdf), "pages");
        const QString text = PageText(pdf, page);
        for (const QString &expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text.left(400)));
    }

    // Every report that takes a number words alike every number that names
    // no record (the example has 8 issues and 83 payments), and prints
    // nothing.
    void aNumberThatNamesNothingStops_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        const struct
        {
            const char *report;
            const char *kind;
            const char *onePastTheLast;
        } reports[] = {{"collective", "έκδοση", "9"},
                       {"notifications", "έκδοση", "9"},
                       {"cash", "έκδοση", "9"},
                       {"receipt", "πληρωμή", "84"}};
        for (const auto &r : reports) {
            for (const char *number : {r.onePastTheLast, "0", "-1", "abc", "1e3", "5.5", "99999999999999999999"}) {
                QTest::addRow("%s %s", r.report, number)
                    << QString::fromLatin1(r.report) << QString::fromLatin1(number)
                    << QStringLiteral("Δεν υπάρχει %1 με αριθμό %2.").arg(QString::fromUtf8(r.kind),
                                                                           QString::fromLatin1(number));
            }
        }
    }

    void aNumberThatNamesNothingStops()
    {
        QFETCH(QString, report);
        QFETCH(QString, number);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const ToolRun run = PrintReport({report, number, dir.filePath(QStringLiteral("x.pdf"))});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errors.trimmed(), message);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));
    }

    // Without its number a report prints the usage, which says how numbers go.
    // A file that starts as the example and goes on for gigabytes is read
    // as the example: the tool holds no more memory for it than for the
    // example itself. One that starts with the magic alone is refused for its
    // password (all its bytes are nothing) at no more cost.
    void aLongFileCostsTheToolWhatItsWorkHolds()
    {
        QTemporaryDir dir;
        QFile example(Example);
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QByteArray bytes = example.readAll();
        const QString errors = dir.filePath(QStringLiteral("errors.txt"));
        const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
        const MeasuredRun plain = MeasuredPrintReport(Example, {QStringLiteral("permille"), pdf}, errors);
        QCOMPARE(plain.exitCode, 0);
        const qint64 bound = plain.peakMemory + (qint64(16) << 20);

        const QString extended = dir.filePath(QStringLiteral("extended.s43"));
        QVERIFY(kvtest::OddFile(kvtest::OddFile::Sparse, extended, qint64(3) << 30, bytes).made());
        const MeasuredRun run = MeasuredPrintReport(extended, {QStringLiteral("permille"), pdf}, errors);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(PageText(pdf, 1).contains(QStringLiteral("ΧΙΛΙΟΣΤΑ")));
        QVERIFY2(run.peakMemory < bound, qPrintable(QStringLiteral("%1 > %2").arg(run.peakMemory).arg(bound)));

        const QString magicOnly = dir.filePath(QStringLiteral("magic.s43"));
        QVERIFY(kvtest::OddFile(kvtest::OddFile::Sparse, magicOnly, qint64(3) << 30, bytes.left(20)).made());
        const MeasuredRun refused = MeasuredPrintReport(magicOnly, {QStringLiteral("permille"), pdf}, errors);
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.errors, QStringLiteral("Το αρχείο ") + magicOnly + QStringLiteral(" έχει κωδικό πρόσβασης."));
        QVERIFY2(refused.peakMemory < bound, qPrintable(QStringLiteral("%1 > %2").arg(refused.peakMemory).arg(bound)));
    }

    // A file that cannot be read is named with the reason, as the program
    // names it; only a file read and found wanting is called damaged.
    void aFileThatCannotBeReadIsNamedWithWhy()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.s43"));
        const QString loop = dir.filePath(QStringLiteral("loop.s43"));
        const QString other = dir.filePath(QStringLiteral("other.s43"));
        QVERIFY(QFile::link(other, loop) && QFile::link(loop, other));
        const QString damaged = dir.filePath(QStringLiteral("damaged.s43"));
        QFile example(Example);
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QByteArray head = example.read(1000);
        QVERIFY(kvtest::OddFile(kvtest::OddFile::Sparse, damaged, head.size(), head).made());
        const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
        const auto lines = [](const QString &path, const QString &why) {
            return QStringLiteral("Το αρχείο δεδομένων:\n\n") + path + QStringLiteral("\n\n") + why;
        };
        const QString cannot = QStringLiteral("δεν μπορεί να διαβαστεί, διότι ");
        const QList<std::pair<QString, QString>> cases{
            {missing, lines(missing, QStringLiteral("δεν υπάρχει. Είτε το σβήσατε, είτε το μετακινήσατε."))},
            {loop, lines(loop, cannot + QStringLiteral("οι συντομεύσεις (σύνδεσμοι) που οδηγούν σε αυτό σχηματίζουν "
                                                       "κύκλο ή είναι υπερβολικά πολλές."))},
            {damaged, QStringLiteral("Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα.\n\nΑρχείο: ") + damaged},
        };
        for (const auto &[path, message] : cases) {
            QProcess tool;
            tool.start(QStringLiteral(KV_PRINTREPORT), {path, QStringLiteral("permille"), pdf});
            QVERIFY(tool.waitForFinished(60000));
            QCOMPARE(tool.exitCode(), 1);
            QCOMPARE(QString::fromLocal8Bit(tool.readAllStandardError()).trimmed(), message);
        }
    }

    void aMissingNumberShowsTheUsage()
    {
        QTemporaryDir dir;
        const ToolRun run = PrintReport({QStringLiteral("receipt"), dir.filePath(QStringLiteral("x.pdf"))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("receipt NUMBER")), qPrintable(run.errors));
        QVERIFY(run.errors.contains(QStringLiteral("as the issues or the payments window lists it, from 1.")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));
    }
};

KV_TEST_GUILESS_MAIN(TestPrintReport)

} // namespace test_printreport
#include "test_printreport.moc"
