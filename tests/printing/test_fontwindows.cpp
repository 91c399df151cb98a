// The start-up font check, the printer selection and the font overview with
// the printer double's font lists.

#include "printingfixture.h"

#include "printing/fontoverviewwindow.h"
#include "printing/fontwindows.h"
#include "printing/selectprinter.h"
#include "modalwindow.h"
#include "testprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kelvarino;

namespace test_fontwindows {

namespace {

class RecordingCaptions final : public PrinterMenuCaptions
{
public:
    void setFontsCaption(const QString &caption) override { fonts = caption; }
    void setPrinterCaption(const QString &caption) override { printer = caption; }
    QString fonts, printer;
};

struct FontFixture : PrintingFixture
{
    FontFixture()
    {
        state.ProgramFolder = dir.path() + QLatin1Char('/');
        doubles.printers.names = {QStringLiteral("Office"), BuiltInPdfPrinterName()};
        doubles.printers.screenFontList = QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("arial"),
                                                     QStringLiteral("Liberation Sans"), QStringLiteral("Screen Only")};
        doubles.printers.printerFontLists[QStringLiteral("Office")] = {QStringLiteral("Arial"),
                                                                       QStringLiteral("Liberation Sans"),
                                                                       QStringLiteral("DejaVu Sans")};
        state.PreferredFont = QStringLiteral("DejaVu Sans");
    }
    PrintingContext withCaptions()
    {
        PrintingContext c = context();
        c.captions = &captions;
        return c;
    }
    QString autoloadPath() const { return dir.path() + QStringLiteral("/Quelbarinostrova.$$$"); }

    QTemporaryDir dir;
    RecordingCaptions captions;
};

} // namespace

class TestFontWindows : public QObject
{
    Q_OBJECT

private slots:
    void startupCountsTheFonts()
    {
        FontFixture f;
        f.doubles.printers.screenFontList = QStringList{};
        CheckFontCounts(f.withCaptions());
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Σοβαρό πρόβλημα με τις γραμματοσειρές οθόνης"));
        QVERIFY(!f.state.PrintingPossible);
        QCOMPARE(f.captions.fonts, QStringLiteral("Επισκόπιση γραμματοσειρών (δεν υπάρχουν)"));

        FontFixture g;
        g.doubles.printers.printerFontLists[BuiltInPdfPrinterName()] = {};
        CheckFontCounts(g.withCaptions());
        QCOMPARE(g.doubles.messages.shown.last().title, QStringLiteral("Σοβαρό πρόβλημα με τις γραμματοσειρές εκτυπωτή"));
        QCOMPARE(g.captions.fonts, QStringLiteral("Επισκόπιση γραμματοσειρών (μόνο για την οθόνη)"));
        QVERIFY(!g.state.PrintingPossible);

        FontFixture h;
        h.state.PreferredFont = QStringLiteral("Not Installed");
        h.state.ProgramPrinter = QStringLiteral("Office");
        FontCommonSearch check(h.withCaptions());
        QCOMPARE(h.doubles.printers.currentPrinterName(), QStringLiteral("Office"));
        check.firstTick();
        QVERIFY(h.state.PrintingPossible);
        QVERIFY(h.doubles.messages.shown.isEmpty());
        QCOMPARE(h.captions.fonts, QStringLiteral("Επισκόπιση γραμματοσειρών (Not Installed)"));
        check.done(0);
        QCOMPARE(h.doubles.printers.currentPrinterName(), BuiltInPdfPrinterName());
    }

    // The start-up check closes itself when its work is done, whether the work
    // ran once it showed or before: no window is left waiting.
    void theStartupCheckClosesWhenItsWorkIsDone()
    {
        FontFixture f;
        const auto nothingWaits = NoModalLeftOpen();
        FontCommonSearch shown(f.withCaptions());
        QCOMPARE(shown.exec(), int(QDialog::Accepted));
        QCOMPARE(f.captions.fonts, QStringLiteral("Επισκόπιση γραμματοσειρών (DejaVu Sans)"));

        FontFixture g;
        FontCommonSearch doneBefore(g.withCaptions());
        doneBefore.firstTick();
        QCOMPARE(doneBefore.exec(), int(QDialog::Accepted));
        QVERIFY(!doneBefore.isVisible());
    }

    // A print system that does not answer: the printer window says so in the
    // print dialog's words and offers the built-in printer with its fonts.
    // Closed without a choice it changes nothing; the built-in printer can be
    // chosen. The print system is asked once the window shows. The font
    // overview says so too.
    void aSilentPrintSystemLeavesTheChoiceToTheUser()
    {
        FontFixture f;
        f.doubles.printers.printSystemAnswers = false;
        f.state.ProgramPrinter = QStringLiteral("Office");
        {
            SelectPrinter selection(f.withCaptions());
            QCOMPARE(f.doubles.printers.listQuestions, 0);
            selection.firstTick();
            QCOMPARE(f.doubles.printers.listQuestions, 1);
            QCOMPARE(ItemsOf(*selection.printers()), QStringList{BuiltInPdfPrinterName()});
            QCOMPARE(selection.printers()->currentText(), BuiltInPdfPrinterName());
            QCOMPARE(selection.labelText(QStringLiteral("lPrintSystem")),
                     QStringLiteral("Το σύστημα εκτυπώσεων του υπολογιστή δεν απαντά. Δοκιμάστε ξανά σε λίγο ή "
                                    "επιλέξτε τον εκτυπωτή PDF."));
            QCOMPARE(selection.commonFonts()->count(), 4);
            QCOMPARE(selection.commonFonts()->currentText(), QStringLiteral("DejaVu Sans"));
            selection.done(0);
        }
        // The font overview says the same in place of the printer's name.
        {
            FontOverviewWindow overview(f.withCaptions());
            overview.firstTick();
            QCOMPARE(overview.labelText(QStringLiteral("lPrinterName")),
                     QStringLiteral("Το σύστημα εκτυπώσεων του υπολογιστή δεν απαντά. Δοκιμάστε ξανά σε λίγο ή "
                                    "επιλέξτε τον εκτυπωτή PDF."));
            overview.done(0);
        }
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("Office"));
        QVERIFY(!QFile::exists(f.autoloadPath()));
        QVERIFY(f.doubles.messages.shown.isEmpty());

        SelectPrinter again(f.withCaptions());
        again.firstTick();
        again.makeProgramPrinter();
        QCOMPARE(f.state.ProgramPrinter, BuiltInPdfPrinterName());
        QVERIFY(QFile::exists(f.autoloadPath()));
    }

    void printerSelectionComparesFontsExactly()
    {
        FontFixture f;
        f.state.ProgramPrinter = QStringLiteral("Office");
        SelectPrinter selection(f.withCaptions());
        selection.firstTick();
        QCOMPARE(selection.printers()->currentText(), QStringLiteral("Office"));
        QVERIFY(selection.labelText(QStringLiteral("lPrintSystem")).isEmpty());
        QCOMPARE(selection.labelText(QStringLiteral("lmatched")),
                 QStringLiteral("2 κοινές γραμματοσειρές οθόνης/εκτυπωτή"));
        QCOMPARE(selection.labelText(QStringLiteral("lscreen")), QStringLiteral("2 γραμματοσειρές μόνο οθόνης"));
        // "arial" and "Arial" differ in case: not common.
        QCOMPARE(selection.screenFonts()->itemText(0), QStringLiteral("arial"));
        QCOMPARE(selection.commonFonts()->currentText(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(selection.sampleFont(), QStringLiteral("DejaVu Sans"));

        selection.chooseScreenFont(1);
        QCOMPARE(selection.commonFonts()->currentIndex(), -1);
        selection.acceptFont();
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Ορισμός γραμματοσειράς εκτυπώσεων"));
        QCOMPARE(f.doubles.messages.shown.last().text, QStringLiteral("Επιλέξτε κοινή γραμματοσειρά οθόνης/εκτυπωτή."));

        selection.chooseCommonFont(1); // Liberation Sans
        selection.acceptFont();
        QCOMPARE(f.state.PreferredFont, QStringLiteral("Liberation Sans"));
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("Office"));
        QVERIFY(f.state.PrintingPossible);
        QCOMPARE(f.captions.fonts, QStringLiteral("Επισκόπιση γραμματοσειρών (Liberation Sans)"));
        QCOMPARE(f.captions.printer, QStringLiteral("Επιλογή εκτυπωτή (Office)"));
        QCOMPARE(f.doubles.messages.shown.last().text, QStringLiteral("Προτιμώμενη γραμματοσειρά: Liberation Sans\n"
                                                                      "Προτιμώμενος εκτυπωτής: Office\n"
                                                                      "Μπορείτε να εκτυπώσετε."));
        QVERIFY(QFile::exists(f.autoloadPath()));
    }

    // A printer chosen with the keyboard: the comparison disables the list
    // for its time, and the keyboard is back on the list afterwards. A second
    // comparison asked for while one runs is not started inside it.
    void comparingKeepsTheKeyboardAndRunsAlone()
    {
        FontFixture f;
        f.state.ProgramPrinter = QStringLiteral("Office");
        SelectPrinter selection(f.withCaptions());
        selection.show();
        QApplication::setActiveWindow(&selection);
        QVERIFY(QTest::qWaitForWindowActive(&selection));
        QTRY_VERIFY(!selection.busy() && selection.printers()->currentIndex() == 0);
        selection.printers()->setFocus();
        QTest::keyClick(selection.printers(), Qt::Key_Down);
        QCOMPARE(selection.printers()->currentText(), BuiltInPdfPrinterName());
        QCOMPARE(QApplication::focusWidget(), selection.printers());

        int asked = 0;
        QTimer during;
        during.setInterval(0);
        connect(&during, &QTimer::timeout, &selection, [&] {
            if (selection.busy()) {
                ++asked;
                selection.choosePrinter(1);
            }
        });
        during.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        during.stop();
        QVERIFY(asked > 0);
        QCOMPARE(selection.printers()->currentText(), QStringLiteral("Office"));
        QCOMPARE(selection.commonFonts()->count(), 2);
        QCOMPARE(selection.screenFonts()->count(), 2);
        QCOMPARE(f.doubles.printers.currentPrinterName(), QStringLiteral("Office"));
    }

    // The other system's "Arial Greek" is Arial with its Greek letters: the
    // printer selection finds it as the common family that draws it and makes
    // the printer the program printer, the stored name unchanged. A name that
    // no family answers is still refused.
    void aGreekFontNameCountsAsItsFamily()
    {
        FontFixture f;
        f.state.PreferredFont = QStringLiteral("Arial Greek");
        SelectPrinter selection(f.withCaptions());
        selection.firstTick();
        QCOMPARE(selection.commonFonts()->currentText(), QStringLiteral("Liberation Sans"));
        QCOMPARE(selection.sampleFont(), QStringLiteral("Liberation Sans"));
        selection.choosePrinter(0);
        selection.makeProgramPrinter();
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Εκτυπώσεις"));
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("Office"));
        QCOMPARE(f.state.PreferredFont, QStringLiteral("Arial Greek"));

        FontOverviewWindow overview(f.withCaptions());
        overview.firstTick();
        QCOMPARE(overview.sampleFont(), QStringLiteral("Liberation Sans"));

        FontFixture g;
        g.state.PreferredFont = QStringLiteral("Nowhere Sans Greek");
        SelectPrinter refusing(g.withCaptions());
        refusing.firstTick();
        QCOMPARE(refusing.commonFonts()->currentIndex(), -1);
        refusing.makeProgramPrinter();
        QCOMPARE(g.doubles.messages.shown.last().text,
                 QStringLiteral("Η προτιμώμενη γραμματοσειρά Nowhere Sans Greek δεν είναι μεταξύ των γραμματοσειρών του "
                                "εκτυπωτή που θέλετε.\n\nΕπιλέξτε μια συμβατή γραμματοσειρά."));
        QCOMPARE(g.state.ProgramPrinter, BuiltInPdfPrinterName());
    }

    void aPrinterWithoutFontsCannotBecomeTheProgramPrinter()
    {
        FontFixture f;
        f.doubles.printers.printerFontLists[BuiltInPdfPrinterName()] = {};
        f.state.ProgramPrinter = QStringLiteral("Office");
        SelectPrinter selection(f.withCaptions());
        selection.firstTick();
        selection.choosePrinter(1); // PDF, without fonts here
        QCOMPARE(selection.commonFonts()->count(), 0);
        QCOMPARE(selection.screenFonts()->currentText(), QStringLiteral("DejaVu Sans"));
        selection.makeProgramPrinter();
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Επιλογή νέου εκτυπωτή"));
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("Office"));
        QVERIFY(!QFile::exists(f.autoloadPath()));

        // Made the system printer, it stays current after closing.
        f.state.SystemPrinter = QStringLiteral("Office");
        selection.makeSystemPrinter();
        QCOMPARE(f.state.SystemPrinter, BuiltInPdfPrinterName());
        selection.done(0);
        QCOMPARE(f.doubles.printers.currentPrinterName(), BuiltInPdfPrinterName());
    }

    void aPrinterThatDisappearedSelectsTheFirst()
    {
        FontFixture f;
        f.state.ProgramPrinter = QStringLiteral("Gone");
        SelectPrinter selection(f.withCaptions());
        selection.firstTick();
        QCOMPARE(selection.printers()->currentIndex(), 0);

        FontOverviewWindow overview(f.withCaptions());
        overview.firstTick();
        QCOMPARE(overview.labelText(QStringLiteral("lPrinterName")), QStringLiteral("Δεν υπάρχει εκτυπωτής"));
        QCOMPARE(overview.printerList()->count(), 0);
        QCOMPARE(overview.labelText(QStringLiteral("lscreen")), QStringLiteral("4 Γραμματοσειρές Οθόνης"));
    }

    void fontOverviewKeepsTheListsOnOneName()
    {
        FontFixture f;
        f.state.ProgramPrinter = QStringLiteral("Office");
        FontOverviewWindow overview(f.withCaptions());
        overview.firstTick();
        QCOMPARE(overview.labelText(QStringLiteral("lPrinterName")), QStringLiteral("Εκτυπωτής: Office"));
        QCOMPARE(overview.labelText(QStringLiteral("lmatched")), QStringLiteral("2 Κοινές Γραμματοσειρές"));
        QCOMPARE(overview.commonList()->currentText(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(overview.printerList()->currentText(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(overview.screenList()->currentText(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(overview.sampleFont(), QStringLiteral("DejaVu Sans"));

        // A printer font the screen lacks: no sample, no selections elsewhere.
        overview.clickPrinter(overview.printerList()->findText(QStringLiteral("Arial")));
        QVERIFY(overview.sampleFont().isEmpty());
        QCOMPARE(overview.screenList()->currentIndex(), -1);
        QCOMPARE(overview.commonList()->currentIndex(), -1);

        overview.clickCommon(overview.commonList()->findText(QStringLiteral("Liberation Sans")));
        overview.acceptFont();
        QCOMPARE(f.state.PreferredFont, QStringLiteral("Liberation Sans"));
        QCOMPARE(f.state.ProgramPrinter, QStringLiteral("Office"));
        QCOMPARE(f.captions.fonts, QStringLiteral("Επισκόπιση γραμματοσειρών (Liberation Sans)"));
        QVERIFY(QFile::exists(f.autoloadPath()));
        QCOMPARE(f.doubles.messages.shown.last().title, QStringLiteral("Εκτυπώσεις"));
    }
};

KV_TEST_MAIN(TestFontWindows)

} // namespace test_fontwindows
#include "test_fontwindows.moc"
