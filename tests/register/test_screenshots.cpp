#include "register/buildingidwindow.h"
#include "register/expensecategorieswindow.h"
#include "register/flatorderwindow.h"
#include "register/flatswindow.h"
#include "register/personcontactwindow.h"
#include "register/personswindow.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

using namespace kelvarino;

namespace test_screenshots {

// Pictures of the register windows with a small building, for a person to
// look at: written only when KV_SCREENSHOT_DIR names a folder.
class TestScreenshots : public QObject
{
    Q_OBJECT
private:
    QString folder_;
    RegisterFixture f_;

    void save(QWidget *window, const QString &name)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(folder_ + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

private slots:
    void initTestCase()
    {
        folder_ = qEnvironmentVariable("KV_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            QSKIP("set KV_SCREENSHOT_DIR to take the pictures");
        QDir().mkpath(folder_);
        BuildingData &b = f_.state.Building;
        b.Flats = {MakeFlat(QStringLiteral("Α1"), QStringLiteral("54 τμ, πρώτος όροφος")),
                   MakeFlat(QStringLiteral("Β2"), QStringLiteral("80 τμ, δεύτερος όροφος")),
                   MakeFlat(QStringLiteral("ΙΣ"), QStringLiteral("Κατάστημα ισογείου"))};
        b.Flats[0].ResidentInitialDebt = 125.5f;
        b.Flats[2].OwnerInitialDebt = -40.0f;
        for (auto &columns : b.ShareColumns)
            columns.assign(1, ShareColumn::zeros(3));
        b.InitialCash = 1520.35f;
        b.Reserves = {0, 300, 1200, 0, 500, 0};
        b.InitialNote.set(QStringLiteral("Παραλαβή από τον προηγούμενο διαχειριστή στις 1/1/2026."));
        b.BuildingId.set(QStringLiteral("Πατησίων 112, Αθήνα"));
        for (const char *name : {"Παπαδόπουλος Γεώργιος", "Ιωάννου Μαρία", "Νικολάου Κώστας", "Δημητρίου Ελένη"})
            b.Persons.push_back(MakePerson(QString::fromUtf8(name)));
        b.Persons[1].Female = 1;
        b.Persons[3].Female = 1;
        b.Persons[0].Salutation.set(QStringLiteral("κ."));
        b.Persons[0].Street.set(QStringLiteral("Πατησίων 112"));
        b.Persons[0].AreaPostcode.set(QStringLiteral("Αθήνα 11257"));
        b.Persons[0].Phone.set(QStringLiteral("2108231234"));
        b.Persons[0].Mobile.set(QStringLiteral("6944123456"));
        b.Persons[0].Email.set(QStringLiteral("papadopoulos@example.gr"));
    }

    void windows()
    {
        FlatsWindow flats(f_.context);
        save(&flats, QStringLiteral("flats"));

        PersonsWindow persons(f_.context);
        save(&persons, QStringLiteral("persons"));
        PersonContactWindow contact(f_.context, 0, &persons);
        save(&contact, QStringLiteral("contact"));
        // The contact window as it stands over its persons window.
        QPixmap both = persons.grab();
        QPainter painter(&both);
        painter.drawPixmap(60, 150, contact.grab());
        painter.end();
        QVERIFY(both.save(folder_ + QStringLiteral("/persons_contact.png")));

        FlatOrderWindow order(f_.context);
        order.show();
        QVERIFY(QTest::qWaitForWindowExposed(&order));
        order.clickRow(0);
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 8), order.nameCell(2)->mapToGlobal(QPointF(40, 8)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(order.nameCell(2), &move);
        save(&order, QStringLiteral("order"));

        ExpenseCategoriesWindow labels(f_.context);
        save(&labels, QStringLiteral("labels"));
        BuildingIdWindow building(f_.context);
        save(&building, QStringLiteral("building"));
    }
};

KV_TEST_MAIN(TestScreenshots)

} // namespace test_screenshots
#include "test_screenshots.moc"
