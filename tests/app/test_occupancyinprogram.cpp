#include "occupancy/administratorswindow.h"
#include "occupancy/occupancywindow.h"
#include "occupancy/professionalcontactwindow.h"
#include "occupancy/professionalorderwindow.h"
#include "occupancy/professionalswindow.h"
#include "platform/localeservice.h"
#include "programtest.h"
#include "register/personswindow.h"
#include "register/windowopener.h"
#include "registerfixture.h"
#include "testprogram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace kelvarino;

namespace test_occupancyinprogram {

namespace {

void typeDate(QLineEdit *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    TypeInto(box, text);
}

double day(int y, int m, int d)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

} // namespace

// The occupancy windows driven through the real main window. With
// KV_SCREENSHOT_DIR set, pictures of the windows are written there.
class TestOccupancyInProgram : public ProgramTest
{
    Q_OBJECT

private:
    void picture(const QString &name, QWidget *extra = nullptr)
    {
        const QString folder = qEnvironmentVariable("KV_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        QApplication::processEvents();
        QPixmap shot = window_->grab();
        if (extra) {
            QPainter painter(&shot);
            painter.drawPixmap(shot.width() - extra->width() - 20, 80, extra->grab());
        }
        QVERIFY(shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    void closeAll()
    {
        for (DataWindow *open : window_->childWindows())
            QVERIFY(CloseDataWindow(open));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_->childWindows().isEmpty());
    }

private slots:
    void initTestCase() { startProgram(QSize(1280, 800)); }
    void cleanupTestCase() { stopProgram(); }

    void theCommandsNeedFlatsAndPersons()
    {
        for (const char *command : {"administrators", "owners", "residents", "professionals",
                                    "professionalOrder"})
            QVERIFY2(window_->menuAction(QString::fromLatin1(command))->isEnabled(), command);
        window_->runCommand(QStringLiteral("owners"));
        QVERIFY(window_->childWindows().isEmpty());
        QCOMPARE(doubles_.messages.shown.last().text,
                 QStringLiteral("Για να ορίσετε ιδιοκτήτες θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα και πρόσωπα"));
        window_->runCommand(QStringLiteral("administrators"));
        QVERIFY(openWindow<AdministratorsWindow>());
        closeAll();
    }

    void ownersAreTypedForTwoFlats()
    {
        BuildingData &b = state_.Building;
        b.Flats = {FlatRecord{}, FlatRecord{}, FlatRecord{}};
        b.Flats[0].ShortName.set(QStringLiteral("Α1"));
        b.Flats[0].Description.set(QStringLiteral("Κατάστημα ισογείου"));
        b.Flats[1].ShortName.set(QStringLiteral("Β2"));
        b.Flats[1].Description.set(QStringLiteral("Δεύτερος όροφος, 80 τμ"));
        b.Flats[2].ShortName.set(QStringLiteral("Γ3"));
        b.Flats[2].Description.set(QStringLiteral("Ρετιρέ"));
        for (const char *name : {"Παπαδόπουλος Γεώργιος", "Ιωάννου Μαρία", "Νικολάου Κώστας"}) {
            PersonRecord p;
            p.Name.set(QString::fromUtf8(name));
            b.Persons.push_back(p);
        }
        window_->runCommand(QStringLiteral("owners"));
        auto *owners = openWindow<OwnersWindow>();
        QVERIFY(owners);
        QCOMPARE(owners->helpTopic(), 300);
        // Flat Α1: two owners one after the other.
        typeDate(owners->dateCell(0, 1), QStringLiteral("1/6/2015"));
        typeDate(owners->dateCell(0, 2), QStringLiteral("31/12/2019"));
        emit owners->choiceCell(0, 0)->activated(0);
        typeDate(owners->dateCell(1, 1), QStringLiteral("1/1/20"));
        emit owners->choiceCell(1, 0)->activated(1);
        // Flat Β2: one owner.
        emit owners->flatSelector()->activated(1);
        emit owners->choiceCell(0, 0)->activated(2);
        QCOMPARE(b.OwnerCount(), 3);
        emit owners->flatSelector()->activated(0);
        picture(QStringLiteral("owners"));

        // Γ3 has no owner: the question lists it; the preselected answer closes.
        QVERIFY(CloseDataWindow(owners));
        QCOMPARE(doubles_.choices.asked.last().items, QStringList{QStringLiteral("Γ3   ")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window_->menuAction(QStringLiteral("owners"))->text(), QStringLiteral("6. Ιδιοκτήτες (3)"));
        QCOMPARE(b.Owners[1].FromDate, day(2020, 1, 1));
    }

    void professionalsAndTheirOrderAreOpenTogether()
    {
        BuildingData &b = state_.Building;
        const QStringList names{QStringLiteral("Μελισσοκαρπάκης Φιλαρόνος"), QStringLiteral("Γεωργίου Νίκος"),
                                QStringLiteral("Κανελλόπουλος Ανδρέας"), QStringLiteral("Σταύρου Άννα")};
        const QStringList activities{QStringLiteral("Υδραυλικός"), QStringLiteral("Ηλεκτρολόγος"),
                                     QStringLiteral("Ανελκυστήρας"), QStringLiteral("Καθαρισμός")};
        for (int i = 0; i < names.size(); ++i) {
            ProfessionalRecord p;
            p.Name.set(names[i]);
            p.Activity.set(activities[i]);
            b.Professionals.push_back(p);
        }
        b.Professionals[0].Street.set(QStringLiteral("Πατησίων 12"));
        b.Professionals[0].AreaPostcode.set(QStringLiteral("Αθήνα 10434"));
        b.Professionals[0].Mobile.set(QStringLiteral("6971234567"));
        b.Professionals[0].Email.set(QStringLiteral("info@ydraulikos.gr"));
        b.Professionals[0].Notes.set(QStringLiteral("Έρχεται μόνο πρωί.\r\nΚλειδιά στον ένοικο του Α1."));
        window_->runCommand(QStringLiteral("professionals"));
        auto *grid = openWindow<ProfessionalsWindow>();
        QVERIFY(grid);
        {
            ProfessionalContactWindow contact(window_->context(), 0, grid);
            contact.show();
            picture(QStringLiteral("professionals_contact"), &contact);
        }
        window_->runCommand(QStringLiteral("professionalOrder"));
        auto *order = openWindow<ProfessionalOrderWindow>();
        QVERIFY(order);
        QCOMPARE(window_->childWindows().size(), 2);
        QTest::mouseClick(order->nameCell(2), Qt::LeftButton);
        QTest::mouseMove(order->nameCell(0), QPoint(60, 8));
        picture(QStringLiteral("order_professionals"));
        QTest::mouseClick(order->nameCell(0), Qt::LeftButton);
        QCOMPARE(b.Professionals[0].Activity.trimmed(), QStringLiteral("Ανελκυστήρας"));
        QCOMPARE(grid->textCell(0, ProfessionalsWindow::NameColumn)->text(), QStringLiteral("Κανελλόπουλος Ανδρέας"));
        closeAll();
        QCOMPARE(window_->menuAction(QStringLiteral("professionals"))->text(), QStringLiteral("Επαγγελματίες (4)"));
    }
};

KV_TEST_MAIN(TestOccupancyInProgram)

} // namespace test_occupancyinprogram
#include "test_occupancyinprogram.moc"
