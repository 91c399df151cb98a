#include "core/printsettings.h"
#include "core/workstate.h"
#include "testprogram.h"

#include <QtTest>

using namespace kelvarino;

namespace test_newwork {

namespace {

// A work with something in every part that a new work has to clear.
AppState BusyWork()
{
    AppState state;
    state.DataFolder = QStringLiteral("/data/");
    state.DataFileName = QStringLiteral("Αιόλου.s43");
    state.AccessPassword.set(QStringLiteral("abc"));
    state.PasswordSet = true;
    state.DataChanged = true;
    BuildingData &b = state.Building;
    b.CategoryLabels[2].set(QStringLiteral("ΚΑΥΣΙΜΑ"));
    b.BuildingId.set(QStringLiteral("Αιόλου 12"));
    b.InitialCash = 100;
    b.PreviousPeriodCharges = 5;
    b.Reserves[3] = 40;
    b.InitialNote.set(QStringLiteral("σημείωση"));
    b.Flats.resize(2);
    b.Persons.resize(1);
    b.Professionals.resize(1);
    b.Administrators.resize(1);
    b.Owners.resize(1);
    b.Residents.resize(1);
    b.Expenses.resize(3);
    b.Payments.resize(1);
    b.Issues.resize(1);
    for (auto &columns : b.ShareColumns)
        columns.push_back(ShareColumn::zeros(2));
    b.PrintSettings[5].BoldTitles = 0;
    return state;
}

} // namespace

class TestNewWork : public QObject
{
    Q_OBJECT
private slots:
    void newWorkClearsTheBuildingButKeepsTheFolder()
    {
        AppState state = BusyWork();
        ResetToNewWork(state);

        QVERIFY(state.DataFileName.isEmpty());
        QVERIFY(state.dataFilePath().isEmpty());
        QCOMPARE(state.DataFolder, QStringLiteral("/data/"));
        QVERIFY(state.AccessPassword.isBlank());
        QVERIFY(!state.PasswordSet);
        QVERIFY(!state.DataChanged);

        BuildingData expected;
        expected.PrintSettings = state.Building.PrintSettings;
        QVERIFY(state.Building == expected); // default labels, blank texts, zeros, empty lists
        for (int c = 0; c < CategoryCount; ++c)
            QCOMPARE(state.Building.CategoryLabel(c), DefaultCategoryLabel(c));
    }

    void newWorkTakesThePrintDefaults()
    {
        AppState state = BusyWork();
        ResetToNewWork(state);
        const PrintSettingSlots &live = state.Building.PrintSettings;
        QCOMPARE(live, state.LoadedPrintSettings);
        for (const PrintSetting &slot : live) {
            QCOMPARE(slot.PaperSize, qint16(9));
            QCOMPARE(slot.MarginLeft, 1.0f);
            QCOMPARE(slot.MarginBottom, 1.0f);
            QCOMPARE(slot.Widths, (std::array<float, 6>{}));
        }
        QCOMPARE(live[SlotNotifications].PageNumbers, True16);
        QCOMPARE(live[SlotCashStatement].Magnification, 1.0f);
        QCOMPARE(live[SlotCollectiveStatement].ExpenseColumnsPerPage, qint16(4));
        QCOMPARE(live[SlotCollectiveStatement].BoldTitles, True16);
        QCOMPARE(live[SlotCollectiveStatement].Reserved20, qint16(-1));
        QCOMPARE(live[SlotPerMilleTable].ExpenseColumnsPerPage, qint16(3));
        QCOMPARE(live[10].ExpenseColumnsPerPage, qint16(7));
    }

    // The fields the defaults leave alone keep what the last file read put
    // into the staged settings.
    void newWorkKeepsTheLastFileInFieldsWithoutDefaults()
    {
        AppState state = BusyWork();
        state.LoadedPrintSettings[SlotPaymentReceipt].Magnification = 1.5f;
        state.LoadedPrintSettings[SlotNotifications].ReceiptsOnPage = True16;
        state.LoadedPrintSettings[SlotNotifications].Magnification = 0.75f;
        state.LoadedPrintSettings[SlotPersonsList].Heights[0] = 400;

        ResetToNewWork(state);

        const PrintSettingSlots &live = state.Building.PrintSettings;
        QCOMPARE(live[SlotPaymentReceipt].Magnification, 1.5f);
        QCOMPARE(live[SlotNotifications].ReceiptsOnPage, True16);
        QCOMPARE(live[SlotNotifications].Magnification, 1.0f); // has a default
        QCOMPARE(live[SlotPersonsList].Heights[0], 0.0f);       // has a default
    }
};

KV_TEST_APPLESS_MAIN(TestNewWork)

} // namespace test_newwork
#include "test_newwork.moc"
