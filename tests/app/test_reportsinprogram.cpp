#include "accounts/paymentfilterdialog.h"
#include "accounts/paymentswindow.h"
#include "app/programwindows.h"
#include "core/formatting.h"
#include "core/permillemessages.h"
#include "issues/issueswindow.h"
#include "occupancy/professionalswindow.h"
#include "platform/localeservice.h"
#include "printing/pagesurface.h"
#include "printing/printparametersdialog.h"
#include "printing/reportpreview.h"
#include "printouts/contactlistpage.h"
#include "register/personswindow.h"
#include "register/windowopener.h"
#include "shell/mainwindow.h"
#include "shell/pathparts.h"
#include "shell/reportopeners.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace kelvarino;

namespace test_reportsinprogram {

namespace {

const QString ExampleName = QStringLiteral("Πολυκατοικία Παραδείγματος.s43");

// The visible buttons of a window with a caption, top to bottom.
QList<QPushButton *> rowButtons(const QWidget *window, const QString &caption)
{
    QList<QPushButton *> buttons;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->text() == caption && b->isVisible())
            buttons.append(b);
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) { return a->y() < b->y(); });
    return buttons;
}

// The texts of a report's page as drawn on paper.
QStringList pageTexts(ReportPreview &preview, int row, int column)
{
    RecordingSurface surface;
    surface.setOnPaper(true);
    preview.paintPage(surface, 0, 0, row, column, 1);
    QStringList texts;
    for (const RecordingSurface::Text &t : surface.texts)
        texts.append(t.text);
    return texts;
}

QAction *menuCommand(const DataWindow *window, const QString &title)
{
    for (QMenu *menu : window->menus())
        if (menu->title() == title)
            return menu->menuAction();
    return nullptr;
}

} // namespace

// The report windows opened from the real program's windows on the example
// building: the issues window's row buttons, the payments window's receipts,
// the contact lists and the per-mille table, and printing to the PDF printer.
class TestReportsInProgram : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    TestPlatform doubles_;
    AppState state_;
    std::unique_ptr<MainWindow> window_;

    template <class W>
    W *open(const char *command)
    {
        window_->runCommand(QString::fromLatin1(command));
        for (DataWindow *w : window_->childWindows())
            if (auto *typed = dynamic_cast<W *>(w))
                return typed;
        return nullptr;
    }

    void closeAll()
    {
        for (DataWindow *open : window_->childWindows())
            QVERIFY(CloseDataWindow(open));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_->childWindows().isEmpty());
    }

    QString caption(const char *title) const { return ExampleName + QString::fromUtf8(title); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QString path = dir_.filePath(ExampleName);
        QVERIFY(QFile::copy(QString::fromUtf8(KV_SOURCE_DIR "/examples/") + ExampleName, path));
        state_.ProgramFolder = FolderWithSeparator(dir_.path());
        state_.CommandLinePath = path;
        window_ = std::make_unique<MainWindow>(state_, doubles_.platform());
        BindProgramWindows(*window_);
        window_->finishStartUp();
        window_->resize(1280, 800);
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(state_.DataFileName, ExampleName);
        QVERIFY(state_.Building.IssueCount() >= 2);
        QVERIFY(doubles_.messages.shown.isEmpty());
    }

    void cleanupTestCase()
    {
        window_.reset();
        SetDataWindowOpener({});
        ProgramReportOpeners() = {};
    }

    // Each print button of an issue row opens its report modally on that
    // issue; closing it leaves the issues window as it was.
    void issueRowButtonsOpenTheirReports()
    {
        auto *issues = open<IssuesWindow>("issues");
        QVERIFY(issues);
        struct Case
        {
            const char *button;
            const char *caption;
        };
        const Case cases[] = {
            {"Συγκεντρωτική", "/Συγκεντρωτική κατάσταση δαπανών-χρεώσεων"},
            {"Ειδοποιητήρια", "/Ειδοποιητήρια και Αποδείξεις πληρωμής"},
            {"Ταμείο", "/Ταμείο διαχείρισης"},
        };
        for (const Case &c : cases) {
            const QList<QPushButton *> buttons = rowButtons(issues, QString::fromUtf8(c.button));
            QCOMPARE(buttons.size(), state_.Building.IssueCount());
            for (QPushButton *b : buttons)
                QVERIFY2(b->isEnabled(), c.button);
            int pages = 0;
            QString shown;
            {
                const auto modal = OnModal<ReportPreview>([&](ReportPreview *preview) {
                    shown = preview->windowTitle();
                    pages = preview->hasPages() ? preview->pageRows() * preview->pageColumns() : 0;
                });
                QTest::mouseClick(buttons[1], Qt::LeftButton);
            }
            QCOMPARE(shown, caption(c.caption));
            QVERIFY2(pages >= 1, c.button);
            QVERIFY2(doubles_.messages.shown.isEmpty(), qPrintable(doubles_.messages.shown.value(0).text));
        }
        closeAll();
    }

    // With more issues than rows and the list scrolled to its end, the last
    // row's "Ταμείο" opens the cash statement of the oldest issue.
    void scrolledIssueRowOpensItsOwnIssue()
    {
        const std::vector<IssueRecord> kept = state_.Building.Issues;
        std::vector<IssueRecord> &list = state_.Building.Issues;
        for (int k = 0; k < 30; ++k) { // later periods, without expenses, listed first
            IssueRecord later;
            later.PeriodFrom = list.front().PeriodTo + 1;
            later.PeriodTo = later.PeriodFrom + 29;
            later.IssueDate = later.PeriodTo + 5;
            list.insert(list.begin(), later);
        }
        auto *issues = open<IssuesWindow>("issues");
        QVERIFY(issues);
        QScrollBar *bar = issues->scrollBar();
        QVERIFY(bar->isVisible());
        bar->setValue(bar->maximum());
        const QList<QPushButton *> buttons = rowButtons(issues, QStringLiteral("Ταμείο"));
        QCOMPARE(buttons.size(), issues->visibleRows());
        const IssueRecord &oldest = list.back();
        const QString period = QStringLiteral("ΔΙΑΧΕΙΡΙΣΤΙΚΗ ΠΕΡΙΟΔΟΣ ΤΑΜΕΙΟΥ ΑΠΟ: ") + LocaleService::formatDate(oldest.PeriodFrom)
            + QStringLiteral(" ΕΩΣ: ") + LocaleService::formatDate(oldest.PeriodTo);
        QString shown;
        QStringList texts;
        {
            const auto modal = OnModal<ReportPreview>([&](ReportPreview *preview) {
                shown = preview->windowTitle();
                texts = pageTexts(*preview, 1, preview->pageColumns());
            });
            QTest::mouseClick(buttons.last(), Qt::LeftButton);
        }
        QCOMPARE(shown, caption("/Ταμείο διαχείρισης"));
        QVERIFY2(texts.contains(period), qPrintable(texts.join(QLatin1Char('|'))));
        closeAll();
        state_.Building.Issues = kept;
        doubles_.messages.shown.clear();
    }

    // A period without expenses: the collective statement and the
    // notifications stop with their message and open nothing.
    void periodWithoutExpensesOpensNothing()
    {
        IssueRecord empty;
        empty.PeriodFrom = double(QDate(1899, 12, 30).daysTo(QDate(2030, 1, 1)));
        empty.PeriodTo = empty.PeriodFrom + 89;
        empty.IssueDate = empty.PeriodTo + 5;
        state_.Building.Issues.insert(state_.Building.Issues.begin(), empty);
        auto *issues = open<IssuesWindow>("issues");
        QVERIFY(issues);
        for (const char *button : {"Συγκεντρωτική", "Ειδοποιητήρια"}) {
            doubles_.messages.shown.clear();
            QPushButton *first = rowButtons(issues, QString::fromUtf8(button)).first();
            {
                const auto none = NoModal();
                QTest::mouseClick(first, Qt::LeftButton);
            }
            QCOMPARE(doubles_.messages.shown.size(), 1);
            QCOMPARE(doubles_.messages.shown[0].text,
                     QStringLiteral("Δεν υπάρχουν κοινές ή ατομικές δαπάνες στην περίοδο που ζητήσατε."));
        }
        closeAll();
        state_.Building.Issues.erase(state_.Building.Issues.begin());
        doubles_.messages.shown.clear();
    }

    // The payments window filtered by date and scrolled to its end: a row's
    // "Απόδειξη" shows the receipt of exactly that row's payment.
    void receiptOfAFilteredScrolledRow()
    {
        auto *payments = open<PaymentsWindow>("payments");
        QVERIFY(payments);
        {
            const auto modal = OnModal<PaymentFilterDialog>([](PaymentFilterDialog *filter) {
                QTest::mouseClick(filter->fromBox(), Qt::LeftButton);
                QTest::keyClicks(filter->fromBox(), QStringLiteral("1/4/2025"));
                QTest::mouseClick(filter->applyButton(), Qt::LeftButton);
            });
            payments->setFilters();
        }
        const BuildingData &b = state_.Building;
        const double from = double(QDate(1899, 12, 30).daysTo(QDate(2025, 4, 1)));
        const std::vector<int> &listed = payments->listed();
        QVERIFY(int(listed.size()) < b.PaymentCount());
        QVERIFY(std::all_of(listed.begin(), listed.end(), [&](int i) { return b.Payments[std::size_t(i)].Date >= from; }));
        QVERIFY(int(listed.size()) > payments->visibleRows());
        payments->scrollBar()->setValue(payments->scrollBar()->maximum());
        QVERIFY(payments->firstShown() > 0);

        const QList<QPushButton *> buttons = rowButtons(payments, QStringLiteral("Απόδειξη"));
        QCOMPARE(buttons.size(), payments->visibleRows());
        QVERIFY(buttons[2]->isEnabled());
        const int index = listed[std::size_t(payments->firstShown() + 2)];
        const PaymentRecord &payment = b.Payments[std::size_t(index)];
        QString shown;
        QStringList texts;
        {
            const auto modal = OnModal<ReportPreview>([&](ReportPreview *preview) {
                shown = preview->windowTitle();
                texts = pageTexts(*preview, 1, 1);
            });
            QTest::mouseClick(buttons[2], Qt::LeftButton);
        }
        QCOMPARE(shown, caption("/Απόδειξη Πληρωμής"));
        QVERIFY(texts.contains(QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΕΝΟΙΚΟΥ")));
        QVERIFY(texts.contains(QStringLiteral("ΔΙΑΜΕΡΙΣΜΑ: ") + b.Flats[std::size_t(payment.Flat)].ShortName.trimmed()));
        QVERIFY(texts.contains(QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ: ") + payments->cell(2, 1)->text().trimmed()));
        QVERIFY(texts.contains(QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: ") + FormatAmount(payment.ResidentAmount) + QStringLiteral(" €")));
        QVERIFY(doubles_.messages.shown.isEmpty());
        closeAll();
        ResetFilter(state_.PaymentFilter, state_.Building);
    }

    // A per-mille problem stops "Ταμείο" and "Απόδειξη" with its message.
    void perMilleProblemOpensNothing()
    {
        const BuildingData kept = state_.Building;
        for (auto &columns : state_.Building.ShareColumns)
            for (ShareColumn &column : columns)
                std::fill(column.PerMille.begin(), column.PerMille.end(), 0.0f);
        for (const auto &[command, button] : {std::pair{"issues", "Ταμείο"}, {"payments", "Απόδειξη"}}) {
            doubles_.messages.shown.clear();
            window_->runCommand(QString::fromLatin1(command));
            QCOMPARE(window_->childWindows().size(), 1);
            const QList<QPushButton *> buttons = rowButtons(window_->childWindows().first(), QString::fromUtf8(button));
            QVERIFY(!buttons.isEmpty());
            {
                const auto none = NoModal();
                QTest::mouseClick(buttons.first(), Qt::LeftButton);
            }
            QCOMPARE(doubles_.messages.shown.size(), 1);
            QCOMPARE(doubles_.messages.shown[0].title, PerMilleMessages::title());
            closeAll();
        }
        state_.Building = kept;
        doubles_.messages.shown.clear();
    }

    // The contact lists from the persons and professionals windows and from
    // the main menu, and the per-mille table from the main menu.
    void contactListsAndPerMilleTable()
    {
        struct Case
        {
            const char *window; // empty: the main menu's command
            const char *command;
            const char *caption;
            int rows;
        };
        const Case cases[] = {
            {"persons", "Εκτύπωση", "/Στοιχεία εμπλεκομένων προσώπων", state_.Building.PersonCount()},
            {"professionals", "Εκτύπωση", "/Στοιχεία Επαγγεματιών", state_.Building.ProfessionalCount()},
            {"", "contactList", "/Στοιχεία εμπλεκομένων προσώπων", state_.Building.PersonCount()},
            {"", "perMilleTable", "/Χιλιοστά", 0},
        };
        for (const Case &c : cases) {
            int listed = -1;
            QString shown;
            const auto modal = OnModal<QWidget>([&](QWidget *window) {
                shown = window->windowTitle();
                if (auto *list = dynamic_cast<ContactListPage *>(window))
                    listed = int(list->displayOrder().size());
                else if (auto *preview = qobject_cast<ReportPreview *>(window))
                    listed = preview->hasPages() ? 0 : -1;
            });
            if (*c.window) {
                window_->runCommand(QString::fromLatin1(c.window));
                QCOMPARE(window_->childWindows().size(), 1);
                QAction *print = menuCommand(window_->childWindows().first(), QString::fromUtf8(c.command));
                QVERIFY(print && print->isEnabled());
                print->trigger();
            } else {
                QVERIFY(window_->menuAction(QString::fromLatin1(c.command))->isEnabled());
                window_->runCommand(QString::fromLatin1(c.command));
            }
            QCOMPARE(shown, caption(c.caption));
            QCOMPARE(listed, c.rows);
            closeAll();
        }
        QVERIFY(doubles_.messages.shown.isEmpty());
    }

    // "Ειδοποιητήρια" of the latest issue printed to the PDF printer: the
    // report's all-flats command, the print-parameters dialog with every
    // page, the save dialog; one page per flat.
    void notificationsPrintedToPdf()
    {
        auto *issues = open<IssuesWindow>("issues");
        QVERIFY(issues);
        const QString pdf = dir_.filePath(QStringLiteral("notifications.pdf"));
        doubles_.fileDialogs.saveAnswers = {pdf};
        const int jobs = int(doubles_.printers.jobs.size());
        QString shown;
        QString dialogPages;
        {
            // The print-parameters dialog opens over the preview, from the preview's command.
            const auto preview = OnModal<ReportPreview>([&](ReportPreview *preview) {
                shown = preview->windowTitle();
                preview->action(QStringLiteral("sendAllToPrinter"))->trigger();
            });
            const auto parameters = OnModal<PrintParametersDialog>([&](PrintParametersDialog *dialog) {
                dialogPages = dialog->pagesText();
                dialog->chooseAllPages(true);
                dialog->confirm();
            });
            QTest::mouseClick(rowButtons(issues, QStringLiteral("Ειδοποιητήρια")).first(), Qt::LeftButton);
        }
        QCOMPARE(shown, caption("/Ειδοποιητήρια και Αποδείξεις πληρωμής"));
        QVERIFY(!dialogPages.isEmpty());
        QVERIFY2(doubles_.messages.shown.isEmpty(), qPrintable(doubles_.messages.shown.value(0).text));
        QCOMPARE(doubles_.fileDialogs.saveRequests.size(), 1);
        QCOMPARE(int(doubles_.printers.jobs.size()), jobs + 1);
        const FixedPrinterService::Job &job = doubles_.printers.jobs.last();
        QCOMPARE(job.printer, BuiltInPdfPrinterName());
        QVERIFY(job.ended);
        QCOMPARE(job.pages, state_.Building.FlatCount()); // one sheet a flat in the example
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5).startsWith("%PDF"));
        closeAll();
    }

    // Empty lists: each command shows its message and opens nothing.
    void emptyListsShowTheirMessages()
    {
        state_.Building.Persons.clear();
        state_.Building.Owners.clear();
        state_.Building.Residents.clear();
        state_.Building.Administrators.clear();
        state_.Building.Professionals.clear();
        window_->updateMenuCounts();
        struct Case
        {
            const char *window;
            const char *title;
            const char *text;
        };
        const Case cases[] = {
            {"persons", "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας προσώπων",
             "Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας προσώπων θα πρέπει να έχετε ορίσει έστω και ένα "
             "πρόσωπο."},
            {"professionals", "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας επαγγελματιών",
             "Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας επαγγελματιών θα πρέπει να έχετε ορίσει έστω και "
             "ένα επαγγελματία."},
        };
        for (const Case &c : cases) {
            doubles_.messages.shown.clear();
            window_->runCommand(QString::fromLatin1(c.window));
            QCOMPARE(window_->childWindows().size(), 1);
            QAction *print = menuCommand(window_->childWindows().first(), QStringLiteral("Εκτύπωση"));
            QVERIFY(print);
            {
                const auto none = NoModal();
                print->trigger();
            }
            QCOMPARE(doubles_.messages.shown.size(), 1);
            QCOMPARE(doubles_.messages.shown[0].title, QString::fromUtf8(c.title));
            QCOMPARE(doubles_.messages.shown[0].text, QString::fromUtf8(c.text));
            QCOMPARE(doubles_.messages.shown[0].icon, MessageIcon::Critical);
            closeAll();
        }

        doubles_.messages.shown.clear();
        {
            const auto none = NoModal();
            window_->runCommand(QStringLiteral("contactList"));
            state_.Building.Flats.clear();
            window_->updateMenuCounts();
            window_->runCommand(QStringLiteral("perMilleTable"));
        }
        QCOMPARE(doubles_.messages.shown.size(), 2);
        QCOMPARE(doubles_.messages.shown[0].title,
                 QStringLiteral("Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων"));
        QCOMPARE(doubles_.messages.shown[1].title, QStringLiteral("Εκτύπωση χιλιοστών"));
        QCOMPARE(doubles_.messages.shown[1].text,
                 QStringLiteral("Για να προχωρήσετε σε εκτύπωση χιλιοστών θα πρέπει να έχετε ορίσει έστω και ένα "
                                "διαμέρισμα."));
    }
};

KV_TEST_MAIN(TestReportsInProgram)

} // namespace test_reportsinprogram
#include "test_reportsinprogram.moc"
