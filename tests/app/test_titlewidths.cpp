// Every dialog and message box is at least as wide as its title needs in a
// window manager's title bar, in the desktop's font: each title of the
// program's windows and messages, shown in a message box and in a dialog,
// and the program's own dialogs as they open.

#include "registerfixture.h"

#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/paymentchangedialog.h"
#include "accounts/paymentfilterdialog.h"
#include "platform/qtmessageservice.h"
#include "platform/titlewidth.h"
#include "printing/printingcontext.h"
#include "printing/printparametersdialog.h"
#include "printing/settingvaluedialog.h"
#include "shell/aboutbox.h"
#include "shell/passwordchangedialog.h"
#include "shell/passwordentrydialog.h"
#include "shell/programtitle.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace kelvarino;

namespace test_titlewidths {

namespace {

// The titles of the program's dialogs and message boxes, collected from the
// code (the longest of each kind included).
const char *const Titles[] = {
        "Αφαίρεση στήλης",
        "Καθάρισμα στήλης χιλιοστών",
        "Χιλιοστά συμμετοχής σε δαπάνη",
        "Διαγραφή μιας δαπάνης",
        "Διαγραφή όλων των δαπανών",
        "ΝΕΑ ΔΑΠΑΝΗ/ΧΡΕΩΣΗ",
        "Πρόβλημα με την καταγραφή της δαπάνης",
        "Διαγραφή μιας πληρωμής",
        "Διαγραφή όλων των πληρωμών",
        "ΝΕΑ ΠΛΗΡΩΜΗ",
        "Πρόβλημα με την καταγραφή της πληρωμής",
        "Πρόβλημα με τα χιλιοστά",
        "Έκδοση κοινοχρήστων",
        "Δεν μπορείτε να προχωρήσετε σε εκτύπωση",
        "Διαγραφή μιας έκδοσης",
        "ΝΕΑ ΕΚΔΟΣΗ ΚΟΙΝΟΧΡΗΣΤΩΝ",
        "Πρόβλημα",
        "Μήπως υπάρχει πρόβλημα;",
        "Διαγραφή ενός διαχειριστή",
        "Διαγραφή όλων των διαχειριστών",
        "Προβλήματα με τον ορισμό διαχειριστών",
        "Πρόβλημα με τη δημιουργία νέου διαχειριστή",
        "Διαγραφή ενός επαγγελματία",
        "Διαγραφή όλων των επαγγελματιών",
        "Προβλήματα με τον ορισμό προσώπων",
        "Πρόβλημα με τη δημιουργία νέου επαγγελματία",
        "Σειρά εμφάνισης των επαγγελματιών",
        "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας επαγγελματιών",
        "Ένοικοι και διαμερίσματα",
        "Διαγραφή ενός ενοίκου",
        "Διαγραφή ενός ιδιοκτήτη",
        "Διαγραφή όλων των ενοίκων",
        "Διαγραφή όλων των ιδιοκτητών",
        "Ιδιοκτήτες και διαμερίσματα",
        "Προβλήματα με τον ορισμό ενοίκων",
        "Προβλήματα με τον ορισμό ιδιοκτητών",
        "Πρόβλημα με τη δημιουργία νέου ενοίκου",
        "Πρόβλημα με τη δημιουργία νέου ιδιοκτήτη",
        "Εκτυπώσεις",
        "Επισκόπηση Γραμματοσειρών (ASCII extended part)",
        "Προετοιμασία ...",
        "Σοβαρό πρόβλημα με τις γραμματοσειρές εκτυπωτή",
        "Σοβαρό πρόβλημα με τις γραμματοσειρές οθόνης",
        "Εκτυπωτές",
        "Εκτύπωση σε αρχείο PDF",
        "Πρόβλημα με τν προσανατολισμό σελίδας",
        "Πρόβλημα με το μέγεθος σελίδας",
        "Παράμετροι εκτύπωσης",
        "Διαμόρφωση σελίδας",
        "Πρόβλημα με την παρουσίαση των δεδομένων",
        "Επιλογή εκτυπωτή",
        "Επιλογή νέου εκτυπωτή",
        "Ορισμός γραμματοσειράς εκτυπώσεων",
        "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας προσώπων",
        "Διαμόρφωση σελίδας για τη συγκεκριμένη εκτύπωση",
        "Λεκτικό Κατηγορίας Κοινών Δαπανών",
        "Μηδενικό μήκος πεδίου",
        "Αρχική οφειλή",
        "Διαγραφή ενός διαμερίσματος",
        "Διαγραφή όλων των διαμερισμάτων",
        "Εισαγωγή διαμερισμάτων",
        "Προβλήματα με τον ορισμό διαμερισμάτων",
        "Πρόβλημα με τη δημιουργία νέου διαμερίσματος",
        "Σειρά εμφάνισης των διαμερισμάτων",
        "Διαγραφή ενός προσώπου",
        "Διαγραφή όλων των προσώπων",
        "Εισαγωγή ονομάτων προσώπων",
        "Εισαγωγή προσώπων",
        "Πρόβλημα με τη δημιουργία νέου προσώπου",
        "Σειρά εμφάνισης των προσώπων",
        "Αναγνωριστικό πολυκατοικίας",
        "Εκτύπωση σε αρχείο EXCEL",
        "Εκτύπωση σε αρχείο TeXT",
        "Πρόβλημα δημιουργίας αρχείου EXCEL",
        "Πρόβλημα δημιουργίας αρχείου TeXT",
        "Επεξήγηση του αρχικού ταμείου κίνησης",
        "Επεξήγηση των αποθεματικών",
        "Επεξήγηση των αρχικών χρεώσεων",
        "Άνοιγμα αρχείου δεδομένων",
        "Αλλαγή κωδικού προσπέλασης των δεδομένων σας",
        "Ανάγνωση δεδομένων από αρχείο",
        "Νέα εργασία",
        "Πρόσθεση κωδικού προσπέλασης στα δεδομένα σας",
        "Έξοδος από το πρόγραμμα",
        "Συνέχεια της εργασίας σας",
        "Ανάγνωση αρχείου EXCEL",
        "Πρόβλημα στην εισαγωγή του κωδικού προσπέλασης των δεδομένων σας",
        "Πρόβλημα στον ορισμό νέου κωδικού προσπέλασης των δεδομένων σας",
        "Λάθος κωδικός προσπέλασης δεδομένων",
        "Επιλογή ταπετσαρίας",
        "Πρόβλημα με την ανάγνωση του αρχείου εικόνας",
        "Αποθήκευση των δεδομένων σας σε αρχείο",
        "Αποθήκευση των δεδομένων σε αρχείο",
        "Πληρωμές-Φίλτρα-Ξετσεκάρετε αυτά που ΔΕΝ θέλετε",
        "Δαπάνες/Χρεώσεις-Φίλτρα-Ξετσεκάρετε αυτά που ΔΕΝ θέλετε",
        "Δαπάνη/Χρέωση",
        "Πληρωμή",
        "Αλλαγή κωδικού προσπέλασης δεδομένων",
        "Ορισμός κωδικού προσπέλασης δεδομένων",
        "Αριθμός στηλών δαπανών ανά σελίδα",
        "Πραγματική μεγέθυνση",
        "Επιβεβαίωση αποθήκευσης",
};

int ScreenWidth()
{
    return QGuiApplication::primaryScreen()->availableGeometry().width();
}

QString Failure(const QString &title, int width)
{
    return QStringLiteral("«%1»: %2 px, its title needs %3").arg(title).arg(width).arg(WindowWidthForTitle(title));
}

} // namespace

class TestTitleWidths : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogTitleWidths> widths_;

private slots:
    void initTestCase() { widths_ = std::make_unique<DialogTitleWidths>(); }
    void cleanupTestCase() { widths_.reset(); }

    void everyTitleFits_data()
    {
        QTest::addColumn<QString>("title");
        QStringList titles{QStringLiteral("Τερματισμός του ") + ProgramTitle(),
                           MakerName() + QLatin1Char('/') + ProgramTitle()};
        for (const char *title : Titles)
            titles << QString::fromUtf8(title);
        for (const QString &title : titles)
            QTest::newRow(qPrintable(title)) << title;
    }

    void everyTitleFits()
    {
        QFETCH(QString, title);
        const int needed = WindowWidthForTitle(title);
        // The measure is the title's own, and the screen holds it.
        QVERIFY(needed > QFontMetrics(QApplication::font()).horizontalAdvance(title));
        QVERIFY2(needed <= ScreenWidth(), qPrintable(Failure(title, ScreenWidth())));

        // A message box with a short text.
        int boxWidth = 0;
        QtMessageService messages;
        const auto box = OnModal<QMessageBox>([&boxWidth](QMessageBox *b) { boxWidth = b->frameGeometry().width(); });
        messages.information(title, QStringLiteral("OK."));
        QVERIFY2(boxWidth >= needed, qPrintable(Failure(title, boxWidth)));

        // A dialog that sizes itself, and one of fixed size, keeping its height.
        QDialog sized;
        sized.setWindowTitle(title);
        sized.resize(120, 80);
        sized.show();
        QVERIFY2(sized.width() >= needed, qPrintable(Failure(title, sized.width())));
        QDialog fixed;
        fixed.setWindowTitle(title);
        fixed.setFixedSize(120, 80);
        fixed.show();
        QVERIFY2(fixed.width() >= needed, qPrintable(Failure(title, fixed.width())));
        QCOMPARE(fixed.height(), 80);
        QCOMPARE(fixed.minimumWidth(), fixed.maximumWidth());

        // A title given to a dialog already open (as a window that steps
        // through records names each).
        QDialog retitled;
        retitled.setFixedSize(120, 80);
        retitled.show();
        retitled.setWindowTitle(title);
        QVERIFY2(retitled.width() >= needed, qPrintable(Failure(title, retitled.width())));
    }

    // The program's dialogs as they open: the filters, the change dialogs,
    // the print parameters, the value and password dialogs, the about box.
    void theProgramsDialogsAreAsWideAsTheirTitles()
    {
        RegisterFixture f;
        BuildingData &b = f.state.Building;
        b.Flats.push_back(MakeFlat(QStringLiteral("Δ1")));
        b.Persons.push_back(MakePerson(QStringLiteral("Πρόσωπο")));
        for (auto &columns : b.ShareColumns)
            columns.assign(1, ShareColumn::zeros(1));
        b.Expenses.resize(1);
        b.Payments.resize(1);
        const Platform platform = f.platform.platform();
        ScriptedPrintingDialogs dialogs(f.state, platform);
        const PrintingContext printing{f.state, platform, &dialogs};
        const std::function<std::unique_ptr<QDialog>()> makers[] = {
            [&] { return std::make_unique<PaymentFilterDialog>(f.state, platform); },
            [&] { return std::make_unique<ExpenseFilterDialog>(f.state, platform); },
            [&] { return std::make_unique<ExpenseChangeDialog>(f.state, platform, 0); },
            [&] { return std::make_unique<PaymentChangeDialog>(f.state, platform, 0); },
            [&] { return std::make_unique<PrintParametersDialog>(printing, 2, 3); },
            [&] { return std::make_unique<SettingValueDialog>(SettingValueDialog::ExpenseColumns, printing, 0); },
            [&] { return std::make_unique<PasswordChangeDialog>(f.state, platform); },
            [&] { return std::make_unique<PasswordEntryDialog>(FixedText<8>(QStringLiteral("a")), platform); },
            [&] { return std::make_unique<AboutBox>(f.context); },
        };
        for (const auto &make : makers) {
            const std::unique_ptr<QDialog> dialog = make();
            const QString title = dialog->windowTitle();
            const QPoint centre = dialog->geometry().center();
            dialog->show();
            const int width = dialog->frameGeometry().width();
            QVERIFY2(width >= WindowWidthForTitle(title), qPrintable(Failure(title, width)));
            QVERIFY2(dialog->frameGeometry().left() >= 0 && width <= ScreenWidth(), qPrintable(title));
            // A dialog that centred itself on the screen stays centred, as
            // closely as the screen allows (give or take the frame, which
            // the window system adds as it shows).
            if (dialog->testAttribute(Qt::WA_Moved)) {
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                const int left = std::clamp(centre.x() - dialog->width() / 2, screen.left(),
                                            screen.right() + 1 - dialog->width());
                const int frame = dialog->frameGeometry().width() - dialog->width();
                QVERIFY2(std::abs(dialog->geometry().left() - left) <= frame + 1,
                         qPrintable(QStringLiteral("%1: at %2, not %3").arg(title).arg(dialog->geometry().left()).arg(left)));
            }
            dialog->hide();
        }
    }
};

KV_TEST_MAIN(TestTitleWidths)

} // namespace test_titlewidths
#include "test_titlewidths.moc"
