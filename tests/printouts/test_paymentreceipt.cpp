// The payment receipt window on the recording surface: one or two pages, its
// sizes at opening, its lines and its message.
#include "printoutsfixture.h"

#include "printing/pagesurface.h"
#include "printouts/paymentreceipt.h"
#include "printouts/paymentreceiptreport.h"
#include "testprogram.h"

#include <QMenu>
#include <QtTest>

using namespace kelvarino;

namespace test_paymentreceipt {

using namespace kelvarino::testing;

namespace {

struct Receipt
{
    explicit Receipt(int payment = 0)
    {
        QVERIFY(PreparePaymentReceipt(f.state.Building, payment, f.doubles.messages, results)
                == CommandOutcome::OpenReport);
        report = std::make_unique<PaymentReceiptReport>(f.state, results, payment);
    }
    void open() { window = f.open(*report); }
    RecordingSurface page(int column)
    {
        RecordingSurface surface;
        window->paintPage(surface, 0, 0, 1, column, 1);
        return surface;
    }
    PrintSetting &slot() { return f.slot(1); }

    PrintoutsFixture f;
    PeriodResults results;
    std::unique_ptr<PaymentReceiptReport> report;
    std::unique_ptr<ReportPreview> window;
};

const QString ResidentTitle = QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΕΝΟΙΚΟΥ");
const QString OwnerTitle = QStringLiteral("ΑΠΟΔΕΙΞΗ ΠΛΗΡΩΜΗΣ ΙΔΙΟΚΤΗΤΗ");

} // namespace

class TestPaymentReceipt : public QObject
{
    Q_OBJECT

private slots:
    void aNeverSetSlotOpensAtItsDefaults()
    {
        Receipt r;
        QCOMPARE(r.slot().Magnification, 0.0f);
        r.open();
        QCOMPARE(r.slot().Magnification, 1.0f);
        QCOMPARE(r.slot().Heights[0], 270.0f);
        QCOMPARE(r.slot().Widths[0], r.window->defaultSizes().widths[0]);
        QVERIFY(!r.f.state.DataChanged);
    }

    void sizesThatAreNotNumbersAreNotSet()
    {
        Receipt r;
        r.slot().Widths[0] = std::numeric_limits<float>::infinity();
        r.slot().Heights[0] = std::numeric_limits<float>::quiet_NaN();
        r.slot().Magnification = std::numeric_limits<float>::infinity();
        r.open();
        QVERIFY(r.window->hasPages());
        QCOMPARE(r.slot().Widths[0], r.window->defaultSizes().widths[0]);
        QCOMPARE(r.slot().Heights[0], 270.0f);
        QCOMPARE(r.slot().Magnification, 1.0f);
    }

    void bothOnOnePageWhenTheyFitSideBySide()
    {
        Receipt r;
        r.slot().Portrait = False16;
        r.slot().Magnification = 1;
        r.slot().Widths[0] = 7000;
        r.slot().Heights[0] = 270;
        r.open();
        QCOMPARE(r.window->pageColumns(), 1);
        const RecordingSurface page = r.page(1);
        const auto resident = page.find(ResidentTitle);
        const auto owner = page.find(OwnerTitle);
        QVERIFY(resident && owner);
        QVERIFY(owner->x > resident->right());
        QCOMPARE(owner->y, resident->y);
        QVERIFY(page.find(QStringLiteral("ΠΟΣΟ ΕΙΣΠΡΑΞΗΣ: 0,00 €"))); // the owner's side paid nothing
        QVERIFY(page.find(QStringLiteral("ΕΝΟΙΚΟΣ: Ένοικος Πρώτος")));
        QVERIFY(page.find(QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ: ")));
        // The two frames are red even without coloured print.
        r.slot().ColouredPrint = False16;
        const RecordingSurface plain = r.page(1);
        QCOMPARE(plain.shapesOf(RecordingSurface::Shape::Box).size(), 2);
        for (const RecordingSurface::Shape &frame : plain.shapesOf(RecordingSurface::Shape::Box))
            QCOMPARE(frame.colour, QColor(255, 0, 0));
        for (const RecordingSurface::Text &text : plain.texts)
            QCOMPARE(text.colour, QColor(Qt::black));
    }

    void oneReceiptAPageWhenTheyDoNot()
    {
        Receipt r;
        r.slot().Portrait = False16;
        r.slot().Magnification = 1;
        r.slot().Widths[0] = 8000;
        r.slot().Heights[0] = 270;
        r.slot().PageNumbers = True16;
        r.open();
        QCOMPARE(r.window->pageColumns(), 2);
        QVERIFY(r.page(1).find(ResidentTitle) && !r.page(1).find(OwnerTitle));
        QVERIFY(r.page(2).find(OwnerTitle) && !r.page(2).find(ResidentTitle));
        // The receipt's footer: one blank before the date, 7 points.
        const RecordingSurface::Text footer = r.page(2).texts.last();
        QVERIFY(footer.text.startsWith(QStringLiteral("Vornakel/Κελβαρίνο/v2.2/2016, Σελίδα 2 (")));
        QVERIFY(footer.text.endsWith(QLatin1Char(')')) && !footer.text.contains(QStringLiteral("  ")));
        QCOMPARE(footer.font.points, 7.0);
        QCOMPARE(r.window->labelText(QStringLiteral("lpage")), QStringLiteral("σελίδα (1,1)"));
        r.window->pageRight();
        QCOMPARE(r.window->currentColumn(), 2);
        QCOMPARE(r.window->labelText(QStringLiteral("lpage")), QStringLiteral("σελίδα 2"));
        // A change of size lays the receipts out again: the grid's form comes back.
        r.window->sizeButtonPressed(ReportPreview::WidthSmall);
        r.window->applySizeStep();
        r.window->sizeButtonReleased();
        QCOMPARE(r.window->labelText(QStringLiteral("lpage")), QStringLiteral("σελίδα (1,2)"));
        QVERIFY(!r.window->imageShown(QStringLiteral("pageup")) && !r.window->imageShown(QStringLiteral("pagedown")));
    }

    void everyCommandInOneMenu()
    {
        Receipt r;
        r.open();
        QStringList items;
        for (QAction *item : r.window->optionsMenu()->actions())
            if (!item->isSeparator())
                items << item->text();
        QCOMPARE(items, (QStringList{QStringLiteral("Αποστολή στον εκτυπωτή"), QStringLiteral("Διαμόρφωση σελίδας"),
                                     QStringLiteral("Γραμματοσειρά"), QStringLiteral("Έγχρωμη εκτύπωση"),
                                     QStringLiteral("Αρίθμηση σελίδων"), QStringLiteral("Προτεινόμενες παράμετροι"),
                                     QStringLiteral("Κλείσιμο του παραθύρου")}));
        QVERIFY(!r.window->printMenu()->menuAction()->isVisible());
        QCOMPARE(r.window->action(QStringLiteral("sendToPrinter"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    }

    void tooWideEvenAtHalfSize()
    {
        Receipt r;
        r.slot().Portrait = True16;
        r.slot().Magnification = 1;
        r.slot().Widths[0] = 40000;
        r.slot().Heights[0] = 270;
        r.open();
        QVERIFY(!r.window->hasPages());
        QCOMPARE(r.slot().Portrait, True16);
        QCOMPARE(r.f.doubles.messages.shown.size(), 1);
        QVERIFY(r.f.doubles.messages.shown[0].text.startsWith(
            QStringLiteral("Οι αποδείξεις δεν χωράνε στο πλάτος τους σε 1 ολόκληρη σελίδα.")));
    }

    // A receipt taller than the page is made smaller until its last line and
    // its frame stay within the printable area; a portrait page that holds it
    // larger than landscape stays portrait, and one that landscape cannot
    // hold even at half size, as at the window's largest line height, turns
    // portrait. At the default line height nothing moves. (A4 with margins of
    // 1 cm.)
    void aTallReceiptStaysOnThePaper_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<float>("lineHeight");
        QTest::addColumn<float>("magnification");
        QTest::addColumn<bool>("portraitAfter");
        QTest::newRow("default line height") << false << 270.0f << 1.0f << false;
        QTest::newRow("tall, landscape") << false << 1000.0f << 0.67f << false;
        QTest::newRow("largest, portrait") << true << 1350.0f << 0.72f << true;
        QTest::newRow("largest, landscape") << false << 1350.0f << 0.72f << true;
    }
    void aTallReceiptStaysOnThePaper()
    {
        QFETCH(bool, portrait);
        QFETCH(float, lineHeight);
        QFETCH(float, magnification);
        Receipt r;
        r.slot().Portrait = portrait ? True16 : False16;
        r.slot().Magnification = 1;
        r.slot().Heights[0] = lineHeight;
        r.slot().PageNumbers = True16;
        r.open();
        QVERIFY(r.window->hasPages());
        QTEST(r.slot().Portrait != 0, "portraitAfter");
        QVERIFY(r.f.doubles.messages.shown.isEmpty());
        QCOMPARE(r.slot().Magnification, magnification);
        QVERIFY(!r.f.state.DataChanged);
        const PageGeometry paper = PageGeometry::of(r.slot());
        const std::size_t o = std::size_t(OrientationIndex(r.slot()));
        for (int column = 1; column <= r.window->pageColumns(); ++column) {
            const RecordingSurface page = r.page(column);
            QVERIFY(page.find(QStringLiteral("Ο ΔΙΑΧΕΙΡΙΣΤΗΣ")));
            for (const RecordingSurface::Text &text : page.texts) {
                QVERIFY2(text.bottom() <= paper.PaperHeight[o], qPrintable(text.text));
                QVERIFY2(text.right() <= paper.PaperWidth[o], qPrintable(text.text));
            }
            const QList<RecordingSurface::Shape> frames = page.shapesOf(RecordingSurface::Shape::Box);
            QVERIFY(!frames.isEmpty());
            for (const RecordingSurface::Shape &frame : frames) {
                QCOMPARE(frame.rect.top(), double(paper.PrintableTop[o]));
                QCOMPARE(frame.rect.height(), 16.0 * lineHeight * double(magnification));
                QVERIFY(frame.rect.bottom() <= paper.PrintableBottom[o]);
            }
        }
    }

    void tooTallEvenAtHalfSize()
    {
        // A4 within margins of 1 cm holds not even half of a receipt of line
        // height 2000 in either orientation: the message names the height.
        Receipt r;
        r.slot().Portrait = False16;
        r.slot().Magnification = 1;
        r.slot().Heights[0] = 2000;
        r.open();
        QVERIFY(!r.window->hasPages());
        QCOMPARE(r.slot().Portrait, False16);
        QCOMPARE(r.slot().Magnification, 1.0f);
        QCOMPARE(r.f.doubles.messages.shown.size(), 1);
        const MessageRequest &shown = r.f.doubles.messages.shown[0];
        QCOMPARE(shown.text, QStringLiteral("Οι αποδείξεις δεν χωράνε στο ύψος της σελίδας. Δοκιμάσαμε κάθετη και "
                                            "οριζόντια διάταξη της σελίδας καθώς και σμίκρυνση μέχρι και 50%.\r\n\r\n"
                                            "Αλλάξτε το μέγεθος της σελίδας σε μεγαλύτερο μέγεθος, πχ από Α4 σε Α3 "
                                            "και επανέλθετε."));
        QCOMPARE(shown.title, QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων"));
        QCOMPARE(shown.icon, MessageIcon::Critical);
    }

    void theInsetIsOneLetterWide()
    {
        Receipt r;
        r.slot().Portrait = False16;
        r.slot().Magnification = 2;
        r.slot().Widths[0] = 3000;
        r.slot().Heights[0] = 270;
        r.open();
        RecordingSurface surface;
        surface.useFixedMetrics({10, 20});
        r.report->printReceipt(surface, Side::Resident, 0, 0, 2);
        // "A" at 14 x 2 points is 280 wide; draw1 pads by 30 x 2 / 2 inside it.
        const auto date = surface.find(QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ: 10/2/2015"));
        QVERIFY(date);
        QCOMPARE(date->x, 280.0 + 30);
    }
};

KV_TEST_MAIN(TestPaymentReceipt)

} // namespace test_paymentreceipt
#include "test_paymentreceipt.moc"
