#include "core/datafile.h"
#include "core/issuecommands.h"
#include "core/workstate.h"
#include "notifications/notificationswindow.h"
#include "printing/reportpreview.h"
#include "testprogram.h"

#include <QDir>
#include <QTest>

using namespace kelvarino;

namespace test_screenshots {

// Pictures of the notifications window on the example building's latest
// issue, for a person to look at: written only when KV_SCREENSHOT_DIR names
// a folder.
class TestScreenshots : public QObject
{
    Q_OBJECT
private:
    QString folder_;
    AppState state_;
    TestPlatform doubles_;
    PeriodResults results_;

    void save(QWidget *window, const QString &name)
    {
        QVERIFY(window->grab().save(folder_ + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    std::unique_ptr<NotificationsWindow> open()
    {
        auto window = std::make_unique<NotificationsWindow>(PrintingContext{state_, doubles_.platform()},
                                                            NotificationSource{state_.Building, results_, 0});
        window->load();
        window->window().resize(1280, 780);
        window->window().show();
        if (!QTest::qWaitForWindowExposed(&window->window()))
            qWarning("window not exposed");
        window->window().drawCenteredPage();
        return window;
    }

private slots:
    void initTestCase()
    {
        folder_ = qEnvironmentVariable("KV_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            QSKIP("set KV_SCREENSHOT_DIR to take the pictures");
        QDir().mkpath(folder_);
        ResetToNewWork(state_);
        QFile file(QString::fromUtf8(KV_SOURCE_DIR "/examples/Πολυκατοικία Παραδείγματος.s43"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        DataFileReader reader(file.readAll());
        QVERIFY(ReadIntoStaging(state_, reader, reader.CheckDataFileVersion()));
        CommitLoaded(state_);
        state_.DataFileName = QStringLiteral("Πολυκατοικία Παραδείγματος.s43");
        state_.PreferredFont = QStringLiteral("Arial Greek");
        QCOMPARE(PrepareNotifications(state_.Building, 0, doubles_.messages, results_), CommandOutcome::OpenReport);
    }

    void pictures()
    {
        PrintSetting &slot = state_.Building.PrintSettings[3];
        slot.ReceiptsOnPage = 0;
        {
            auto w = open();
            save(&w->window(), QStringLiteral("notifications-receipts-off"));
            w->toggleReceipts();
            save(&w->window(), QStringLiteral("notifications-receipts-on"));
            w->window().pagePressed(QPointF(3000, 3000), Qt::LeftButton, Qt::NoModifier);
            w->window().pagePressed(QPointF(3000, 3000), Qt::LeftButton, Qt::NoModifier);
            save(&w->window(), QStringLiteral("notifications-zoomed"));
        }
        slot.Heights[0] = 520;
        auto w = open();
        w->window().pageDown();
        save(&w->window(), QStringLiteral("notifications-page2"));
    }
};

KV_TEST_MAIN(TestScreenshots)

} // namespace test_screenshots
#include "test_screenshots.moc"
