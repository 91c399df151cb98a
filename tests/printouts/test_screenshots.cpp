// Pictures of the printout windows on the example building, for a person to
// look at: written only when KV_SCREENSHOT_DIR names a folder.
#include "printoutsfixture.h"

#include "core/datafile.h"
#include "core/issuecommands.h"
#include "core/workstate.h"
#include "printouts/cashstatementreport.h"
#include "printouts/contactlistpage.h"
#include "printouts/paymentreceiptreport.h"
#include "printouts/permilletablereport.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace kelvarino;

namespace test_screenshots {

using namespace kelvarino::testing;

class TestScreenshots : public QObject
{
    Q_OBJECT

private:
    QString folder_;
    PrintoutsFixture f_;

    void save(QWidget *window, const QString &name)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(50);
        QVERIFY(window->screen()->grabWindow(0).save(folder_ + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
    // The page is fitted again once the window has its size on the screen.
    void show(ReportPreview &window)
    {
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.drawCenteredPage();
    }
    void preview(PreviewReport &report, const QString &name)
    {
        ReportPreview window(f_.printing(), report);
        show(window);
        save(&window, name);
    }

private slots:
    void initTestCase()
    {
        folder_ = qEnvironmentVariable("KV_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            QSKIP("set KV_SCREENSHOT_DIR to take the pictures");
        QDir().mkpath(folder_);
        QFile file(QStringLiteral(KV_SOURCE_DIR "/examples/Πολυκατοικία Παραδείγματος.s43"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        DataFileReader reader(file.readAll());
        QVERIFY(ReadIntoStaging(f_.state, reader, reader.CheckDataFileVersion()));
        CommitLoaded(f_.state);
        f_.state.DataFileName = QStringLiteral("Πολυκατοικία Παραδείγματος.s43");
    }

    void cashStatement()
    {
        PeriodResults results;
        QVERIFY(PrepareCashStatement(f_.state.Building, 0, f_.doubles.messages, results) == CommandOutcome::OpenReport);
        CashStatementReport report(f_.state, results, 0);
        preview(report, QStringLiteral("cash"));
    }

    void perMilleTableWithItsPeriods()
    {
        PerMilleTableReport report(f_.state);
        ReportPreview window(f_.printing(), report);
        show(window);
        save(&window, QStringLiteral("permille"));
        QMenu *periods = report.periodsMenu();
        const QRect item = window.menus()->actionGeometry(periods->menuAction());
        periods->popup(window.menus()->mapToGlobal(item.bottomLeft()));
        save(periods, QStringLiteral("permille-periods"));
        periods->hide();
    }

    void receipt()
    {
        PeriodResults results;
        QVERIFY(PreparePaymentReceipt(f_.state.Building, 0, f_.doubles.messages, results)
                == CommandOutcome::OpenReport);
        PaymentReceiptReport report(f_.state, results, 0);
        preview(report, QStringLiteral("receipt"));
    }

    void contactLists()
    {
        for (ContactListKind kind : {ContactListKind::Persons, ContactListKind::Professionals}) {
            const QString name = kind == ContactListKind::Persons ? QStringLiteral("persons")
                                                                   : QStringLiteral("professionals");
            ContactListPage list(f_.printing(), kind);
            save(&list, name);
            list.pagePressed(QPointF(4000, 3000), Qt::LeftButton);
            save(&list, name + QStringLiteral("-magnified"));
        }
    }
};

KV_TEST_MAIN(TestScreenshots)

} // namespace test_screenshots
#include "test_screenshots.moc"
