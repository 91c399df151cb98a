// Every printout of the example building printed through printreport: its
// page count and a few exact texts of its pages; the issues and payments
// named by their numbers in their windows (1 the oldest).
#include "testprogram.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
