#include "support_notificationsfixture.h"

#include "printing/pagesurface.h"
#include "printing/reportpreview.h"
#include "testprogram.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

#include <limits>

using namespace kelvarino;

namespace test_notificationswindow {

using namespace kelvarino::testing;

namespace {

const QString FitTitle = QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων");

// A5 with 3 cm side margins: the sheet fits the whole width at 0.81 but not
// half of it at 0.5.
void NarrowPaper(PrintSetting &slot)
{
    slot.PaperSize = 11;
    slot.MarginLeft = slot.MarginRight = 3;
}

// A menu item of the window by its name.
QAction *Item(ReportPreview &window, const char *name)
{
    return window.action(QString::fromLatin1(name));
}

int FitMessages(const NotificationsFixture &f)
{
    int count = 0;
    for (const MessageRequest &m : f.doubles.messages.shown) {
        if (m.title == FitTitle) {
            ++count;
            // (The preview adds an empty advice line after the text.)
            if (m.icon != MessageIcon::Critical || m.text != NotificationsWindow::FitMessage())
                return -1;
        }
    }
    return count;
}

} // namespace

class TestNotificationsWindow : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheFirstFlat()
    {
        NotificationsFixture f;
        auto w = f.open();
        ReportPreview &preview = w->window();
        QCOMPARE(w->currentFlat(), 0);
        QCOMPARE(preview.currentRow(), 1);
        QCOMPARE(preview.currentColumn(), 1);
        QCOMPARE(preview.pageColumns(), 1);
        QCOMPARE(preview.windowTitle(), QStringLiteral("Ερμού 12.s43/Ειδοποιητήρια και Αποδείξεις πληρωμής"));
        QStringList flats;
        for (int k = 0; k < 3; ++k) {
            QAction *item = Item(preview, qPrintable(QStringLiteral("flat%1").arg(k)));
            QVERIFY(item);
            QCOMPARE(item->isChecked(), k == 0);
            flats << item->text();
        }
        QCOMPARE(flats, QStringList({"F1", "F2", "F3"}));
        QVERIFY(!Item(preview, "receiptsShownInPage")->isChecked());
        QCOMPARE(preview.labelText(QStringLiteral("lbwidth")), QStringLiteral("Πλάτος Στηλών Δαπανών"));
        QVERIFY(!f.state.DataChanged);
    }

    // Choosing the flat shown lays nothing out; another flat keeps the page
    // shown (every flat has the same pages).
    void choosingAFlat()
    {
        NotificationsFixture f;
        f.slot().Heights[0] = 600; // two pages
        auto w = f.open();
        ReportPreview &preview = w->window();
        QCOMPARE(preview.pageRows(), 2);
        preview.pageDown();
        f.slot().Heights[0] = 1e6; // any layout now fails
        Item(preview, "flat0")->trigger();
        QCOMPARE(FitMessages(f), 0);
        QVERIFY(Item(preview, "flat0")->isChecked());
        f.slot().Heights[0] = 600;
        Item(preview, "flat2")->trigger();
        QCOMPARE(w->currentFlat(), 2);
        QCOMPARE(preview.currentRow(), 2);
        QVERIFY(!Item(preview, "flat0")->isChecked());
        QVERIFY(Item(preview, "flat2")->isChecked());
    }

    void storedSizes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("stored");
        QTest::addColumn<float>("expected"); // -1: the measured default
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("split 0.8") << 2 << .8f << .5f;
        QTest::newRow("split 0.4") << 2 << .4f << .5f;
        QTest::newRow("split 0.75 stays") << 2 << .75f << .75f;
        QTest::newRow("split not a number") << 2 << nan << .5f;
        QTest::newRow("column 29.9") << 0 << 29.9f << -1.f;
        QTest::newRow("column 30 stays") << 0 << 30.f << 30.f;
        QTest::newRow("column not a number") << 0 << nan << -1.f;
        QTest::newRow("balance box not a number") << 1 << nan << -1.f;
        QTest::newRow("balance box infinite") << 1 << std::numeric_limits<float>::infinity() << -1.f;
        QTest::newRow("line height infinite") << 3 << std::numeric_limits<float>::infinity() << 270.f;
    }

    void storedSizes()
    {
        QFETCH(int, index);
        QFETCH(float, stored);
        QFETCH(float, expected);
        NotificationsFixture f;
        // Index 3 stands for the line height.
        float &size = index == 3 ? f.slot().Heights[0] : f.slot().Widths[std::size_t(index)];
        size = stored;
        auto w = f.open();
        QVERIFY(w->window().hasPages());
        const float measured = w->window().defaultSizes().widths.value(index);
        QCOMPARE(size, expected < 0 ? measured : expected);
        QVERIFY(!f.state.DataChanged);
    }

    void widthSelection()
    {
        NotificationsFixture f;
        auto w = f.open();
        ReportPreview &preview = w->window();
        QStringList captions;
        for (int i = 0; i < 3; ++i) {
            preview.nextWidth();
            captions << preview.labelText(QStringLiteral("lbwidth"));
        }
        QCOMPARE(captions, QStringList({"Πλάτος Στηλών Τίτλων", "Πλάτος Στηλών Δαπανών", "Πλάτος Στηλών Τίτλων"}));
        Item(preview, "receiptsShownInPage")->trigger();
        captions.clear();
        for (int i = 0; i < 3; ++i) {
            preview.nextWidth();
            captions << preview.labelText(QStringLiteral("lbwidth"));
        }
        QCOMPARE(captions, QStringList({"Διαμερισμός σελίδας", "Πλάτος Στηλών Δαπανών", "Πλάτος Στηλών Τίτλων"}));
        QCOMPARE(preview.labelText(QStringLiteral("lbheight")), QStringLiteral("Ύψος Γραμμών"));
        // Receipts switched off while the split is chosen: its caption stays
        // until the next click, which goes on from there.
        preview.nextWidth();
        Item(preview, "receiptsShownInPage")->trigger();
        QCOMPARE(preview.labelText(QStringLiteral("lbwidth")), QStringLiteral("Διαμερισμός σελίδας"));
        preview.nextWidth();
        QCOMPARE(preview.labelText(QStringLiteral("lbwidth")), QStringLiteral("Πλάτος Στηλών Τίτλων"));
    }

    // The split's steps always apply and stop at the bounds: from 0.72 a
    // large step gives 0.75, and so does every further one.
    void splitSteps()
    {
        NotificationsFixture f;
        f.slot().ReceiptsOnPage = -1;
        f.slot().Widths[2] = 0.72f;
        auto w = f.open();
        ReportPreview &preview = w->window();
        preview.nextWidth();
        preview.nextWidth();
        QCOMPARE(preview.labelText(QStringLiteral("lbwidth")), QStringLiteral("Διαμερισμός σελίδας"));
        preview.sizeButtonPressed(ReportPreview::WidthLarge);
        for (int tick = 0; tick < 3; ++tick) {
            f.state.DataChanged = false;
            preview.applySizeStep();
            QCOMPARE(f.slot().Widths[2], 0.75f);
            QVERIFY(f.state.DataChanged);
        }
        preview.sizeButtonPressed(-ReportPreview::WidthSmall);
        preview.applySizeStep();
        QCOMPARE(f.slot().Widths[2], 0.74f);
        preview.sizeButtonPressed(-ReportPreview::WidthLarge);
        for (int tick = 0; tick < 6; ++tick)
            preview.applySizeStep();
        QCOMPARE(f.slot().Widths[2], 0.5f);
        preview.sizeButtonReleased();
    }

    void suggestedParameters()
    {
        NotificationsFixture f;
        PrintSetting &slot = f.slot();
        slot.Portrait = -1;
        slot.ColouredPrint = 0;
        slot.PageNumbers = 0;
        slot.Magnification = 0.6f;
        slot.Widths = {900, 5000, 0.7f, 0, 0, 0};
        auto w = f.open();
        ReportPreview &preview = w->window();
        preview.action(QStringLiteral("bestParameters"))->trigger();
        QCOMPARE(slot.Portrait, qint16(0));
        QCOMPARE(slot.Magnification, 0.75f); // the receipts' half of A4 landscape
        QVERIFY(slot.ColouredPrint != 0 && slot.PageNumbers != 0 && slot.ReceiptsOnPage != 0);
        QCOMPARE(slot.Widths[0], preview.defaultSizes().widths[0]);
        QCOMPARE(slot.Widths[2], 0.5f);
        for (const char *item : {"receiptsShownInPage", "colouredPrint", "pageNumbers"})
            QVERIFY(Item(preview, item)->isChecked());
        QVERIFY(f.state.DataChanged);
    }

    // The fit turns the page and lowers the magnification without marking
    // the work changed; receipts it has to drop are dropped as by the menu.
    void fitting()
    {
        NotificationsFixture portrait;
        portrait.slot().Portrait = -1;
        portrait.slot().ReceiptsOnPage = -1;
        auto w = portrait.open();
        QCOMPARE(portrait.slot().Portrait, qint16(0));
        QCOMPARE(portrait.slot().Magnification, 0.75f);
        QVERIFY(portrait.slot().ReceiptsOnPage != 0);
        QCOMPARE(w->window().labelText(QStringLiteral("lRealMagnification")),
                 QStringLiteral("Πραγματική μεγέθυνση: 75%"));
        QVERIFY(!portrait.state.DataChanged);

        NotificationsFixture narrow;
        NarrowPaper(narrow.slot());
        narrow.slot().ReceiptsOnPage = -1;
        auto n = narrow.open();
        QVERIFY(n->window().hasPages());
        QCOMPARE(narrow.slot().ReceiptsOnPage, qint16(0));
        QVERIFY(!Item(n->window(), "receiptsShownInPage")->isChecked());
        QCOMPARE(narrow.slot().Magnification, 0.81f);
        QCOMPARE(FitMessages(narrow), 0);
        QVERIFY(narrow.state.DataChanged);
    }

    // A layout that fails shows the message once, puts orientation and
    // magnification back and keeps the rows; printing is refused with it.
    void failedLayout()
    {
        NotificationsFixture f;
        f.slot().ReceiptsOnPage = -1;
        auto w = f.open();
        ReportPreview &preview = w->window();
        const NotificationRows rows = w->rows();
        const PrintSetting before = f.slot();
        f.slot().Heights[0] = 1e6;
        QVERIFY(!preview.layoutPreview());
        QCOMPARE(FitMessages(f), 1);
        QCOMPARE(f.slot().Portrait, before.Portrait);
        QCOMPARE(f.slot().Magnification, before.Magnification);
        QCOMPARE(w->rows(), rows);
        f.dialogs.printChoices = {PrintChoice{true, 1, true}, PrintChoice{true, 1, true}};
        w->sendShownFlatToPrinter();
        w->sendAllFlatsToPrinter();
        QCOMPARE(FitMessages(f), 3);
        QVERIFY(f.dialogs.asked.isEmpty());
        QVERIFY(f.doubles.printers.jobs.isEmpty());
    }

    // The widest margins of A5 leave a page less than two lines of 1400: the
    // message once at opening.
    void noRoomAtOpening()
    {
        NotificationsFixture f;
        f.slot().PaperSize = 11;
        f.slot().Portrait = 0;
        f.slot().MarginTop = f.slot().MarginBottom = 5;
        f.slot().Heights[0] = 1400;
        auto w = f.open();
        QVERIFY(!w->window().hasPages());
        QCOMPARE(FitMessages(f), 1);
        QCOMPARE(f.slot().Magnification, 1.f);
        f.dialogs.printChoices = {PrintChoice{true, 1, true}};
        w->sendAllFlatsToPrinter();
        QCOMPARE(FitMessages(f), 2);
        QVERIFY(f.doubles.printers.jobs.isEmpty());
    }
};

KV_TEST_MAIN(TestNotificationsWindow)

} // namespace test_notificationswindow
#include "test_notificationswindow.moc"
