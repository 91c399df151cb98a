// How the printouts open: their messages when a list is empty, a per-mille
// problem that keeps a window closed, the payment a receipt shows and the
// windows' captions.
#include "printoutsfixture.h"

#include "core/issuecommands.h"
#include "printing/pagesurface.h"
#include "printouts/contactlistpage.h"
#include "printouts/printoutopeners.h"
#include "shell/commandpreconditions.h"
#include "shell/reportopeners.h"
#include "testprogram.h"

#include <QtTest>

using namespace kelvarino;

namespace test_openers {

using namespace kelvarino::testing;

namespace {

// Records every window the openers run instead of waiting on it.
struct OpenedWindows
{
    OpenedWindows()
    {
        PrintoutWindowRunners().preview = [this](ReportPreview &window) {
            captions << window.windowTitle();
            RecordingSurface page;
            window.paintPage(page, 0, 0, 1, 1, 1);
            pages << page.textStrings();
        };
        PrintoutWindowRunners().list = [this](ContactListPage &window) { captions << window.windowTitle(); };
        BindPrintoutOpeners(openers);
    }
    ~OpenedWindows() { PrintoutWindowRunners() = {}; }

    ReportOpeners openers;
    QStringList captions;
    QList<QStringList> pages;
};

// A common expense on the first payment's day over a column without per-mille.
void BreakPerMille(BuildingData &building)
{
    for (float &value : building.ShareColumns[1][0].PerMille)
        value = 0;
}

} // namespace

class TestOpeners : public QObject
{
    Q_OBJECT

private slots:
    void emptyListsHaveTheirMessages()
    {
        PrintoutsFixture f(0);
        f.state.Building.Persons.clear();
        AppContext context = f.context();
        OpenedWindows opened;
        opened.openers.personsList(context, nullptr);
        opened.openers.professionalsList(context, nullptr);
        QVERIFY(!CommandPreconditions::check(QStringLiteral("contactList"), f.state, f.doubles.messages));
        QVERIFY(!CommandPreconditions::check(QStringLiteral("perMilleTable"), f.state, f.doubles.messages));
        QVERIFY(opened.captions.isEmpty());
        const QList<MessageRequest> &shown = f.doubles.messages.shown;
        QCOMPARE(shown.size(), 4);
        for (const MessageRequest &message : shown)
            QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(shown[0].title, QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας προσώπων"));
        QCOMPARE(shown[0].text, QStringLiteral("Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας προσώπων θα "
                                               "πρέπει να έχετε ορίσει έστω και ένα πρόσωπο."));
        QCOMPARE(shown[1].title, QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας επαγγελματιών"));
        QCOMPARE(shown[1].text, QStringLiteral("Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας επαγγελματιών "
                                               "θα πρέπει να έχετε ορίσει έστω και ένα επαγγελματία."));
        QCOMPARE(shown[2].title,
                 QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων"));
        QCOMPARE(shown[3].title, QStringLiteral("Εκτύπωση χιλιοστών"));
        QCOMPARE(shown[3].text, QStringLiteral("Για να προχωρήσετε σε εκτύπωση χιλιοστών θα πρέπει να έχετε ορίσει "
                                               "έστω και ένα διαμέρισμα."));
    }

    void captionsOfAWorkNeverSaved()
    {
        PrintoutsFixture f;
        ProfessionalRecord p;
        p.Name.set(QStringLiteral("Νίκος"));
        f.state.Building.Professionals = {p};
        AppContext context = f.context();
        OpenedWindows opened;
        PeriodResults results;
        QVERIFY(PrepareCashStatement(f.state.Building, 0, f.doubles.messages, results) == CommandOutcome::OpenReport);
        opened.openers.cashStatement(context, nullptr, results, 0);
        opened.openers.paymentReceipt(context, nullptr, 0);
        opened.openers.professionalsList(context, nullptr);
        opened.openers.personsList(context, nullptr);
        OpenPerMilleTable(context, nullptr);
        QCOMPARE(opened.captions, (QStringList{QStringLiteral("/Ταμείο διαχείρισης"), QStringLiteral("/Απόδειξη Πληρωμής"),
                                               QStringLiteral("/Στοιχεία Επαγγεματιών"),
                                               QStringLiteral("/Στοιχεία εμπλεκομένων προσώπων"),
                                               QStringLiteral("/Χιλιοστά")}));
        f.state.DataFileName = QStringLiteral("Οδός.s43");
        OpenPerMilleTable(context, nullptr);
        QCOMPARE(opened.captions.last(), QStringLiteral("Οδός.s43/Χιλιοστά"));
    }

    void aReceiptShowsItsPayment()
    {
        PrintoutsFixture f;
        AppContext context = f.context();
        OpenedWindows opened;
        opened.openers.paymentReceipt(context, nullptr, 1);
        QCOMPARE(opened.pages.size(), 1);
        QVERIFY(opened.pages[0].contains(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: Δ2")));
        QVERIFY(opened.pages[0].contains(QStringLiteral("ΕΝΟΙΚΟΣ: "))); // flat 2 has no resident
    }

    void aPerMilleProblemOpensNothing()
    {
        PrintoutsFixture f;
        BreakPerMille(f.state.Building);
        AppContext context = f.context();
        OpenedWindows opened;
        opened.openers.paymentReceipt(context, nullptr, 0);
        // The issues window's "Ταμείο": the report opens only when its command answers so.
        PeriodResults results;
        if (PrepareCashStatement(f.state.Building, 0, f.doubles.messages, results) == CommandOutcome::OpenReport)
            opened.openers.cashStatement(context, nullptr, results, 0);
        QVERIFY(opened.captions.isEmpty());
        QCOMPARE(f.doubles.messages.shown.size(), 2);
        QCOMPARE(f.doubles.messages.shown[0].title, QStringLiteral("Πρόβλημα με τα χιλιοστά"));
    }
};

KV_TEST_MAIN(TestOpeners)

} // namespace test_openers
#include "test_openers.moc"
