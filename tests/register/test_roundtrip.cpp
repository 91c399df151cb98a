#include "core/datafile.h"
#include "register/flatorderwindow.h"
#include "register/flatswindow.h"
#include "register/personorderwindow.h"
#include "register/personswindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QTest>

using namespace kelvarino;

namespace test_roundtrip {

namespace {

// Types a name into the new-record row of the grid and presses Enter there.
void enterRecord(GridEditor &grid, int row, const QString &name)
{
    QLineEdit *box = grid.textCell(row, 0);
    FocusBox(box);
    ClearBox(box);
    TypeInto(box, name);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void aTypedAndReorderedBuildingComesBackFromItsFile()
    {
        RegisterFixture f;
        {
            FlatsWindow flats(f.context);
            ShowActive(&flats);
            enterRecord(flats, 0, QStringLiteral("Α1"));
            enterRecord(flats, 1, QStringLiteral("Β2"));
            enterRecord(flats, 2, QStringLiteral("Γ3"));
            QVERIFY(flats.close());
        }
        {
            PersonsWindow persons(f.context);
            ShowActive(&persons);
            const QStringList names{QStringLiteral("Παπαδόπουλος Γεώργιος"), QStringLiteral("Ιωάννου Μαρία"),
                                    QStringLiteral("Νικολάου Κώστας"), QStringLiteral("Δημητρίου Ελένη")};
            for (int i = 0; i < names.size(); ++i)
                enterRecord(persons, i, names[i]);
            QVERIFY(persons.close());
        }
        BuildingData &b = f.state.Building;
        b.Owners = {OccupancyPeriod{3, 2, NotSetDate, NotSetDate}}; // Δημητρίου owns Γ3
        {
            FlatOrderWindow order(f.context);
            order.clickRow(2);
            order.clickRow(0);
            PersonOrderWindow persons(f.context);
            persons.clickRow(3);
            persons.clickRow(0);
        }
        QVERIFY(f.state.DataChanged);

        const QByteArray bytes = WriteDataFile(b, f.state.AccessPassword, QString());
        QVERIFY(!bytes.isEmpty());
        DataFileReader reader(bytes);
        BuildingData read;
        QVERIFY(reader.ReadDataFile(reader.CheckDataFileVersion(), read));
        QStringList flats;
        for (const FlatRecord &flat : read.Flats)
            flats << flat.ShortName.trimmed();
        QCOMPARE(flats, (QStringList{QStringLiteral("Γ3"), QStringLiteral("Α1"), QStringLiteral("Β2")}));
        QCOMPARE(read.Persons[0].Name.trimmed(), QStringLiteral("Δημητρίου Ελένη"));
        QCOMPARE(read.Persons[1].Name.trimmed(), QStringLiteral("Παπαδόπουλος Γεώργιος"));
        QCOMPARE(read.Owners[0].Person, qint16(0));
        QCOMPARE(read.Owners[0].Flat, qint16(0));
        for (int c = 0; c < CategoryCount; ++c)
            QCOMPARE(read.ShareColumns[std::size_t(c)].at(0).PerMille.size(), std::size_t(3));
        QCOMPARE(read.Flats, b.Flats);
        QCOMPARE(read.Persons, b.Persons);
    }
};

KV_TEST_MAIN(TestRoundTrip)

} // namespace test_roundtrip
#include "test_roundtrip.moc"
