// Pictures of the fixture's preview and of the printing dialogs, for a person
// to look at, and the preview's page printed to PDF beside them: written only
// when KV_SCREENSHOT_DIR names a folder.

#include "printingfixture.h"

#include "printing/fontoverviewwindow.h"
#include "printing/pagesetupdialog.h"
#include "printing/printparametersdialog.h"
#include "printing/selectprinter.h"
#include "printing/settingvaluedialog.h"
#include "testprogram.h"

#include <QDir>
#include <QTest>

using namespace kelvarino;

namespace test_screenshots {

class TestScreenshots : public QObject
{
    Q_OBJECT

private:
    QString folder_;

    void save(QWidget *window, const QString &name)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(50);
        QVERIFY(window->grab().save(folder_ + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

private slots:
    void initTestCase()
    {
        folder_ = qEnvironmentVariable("KV_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            QSKIP("set KV_SCREENSHOT_DIR to take the pictures");
        QDir().mkpath(folder_);
    }

    void previewFittedZoomedAndPrinted()
    {
        PrintingFixture f;
        f.slot().PageNumbers = -1;
        f.state.DataFileName = QStringLiteral("Πολυκατοικία.s43");
        ReportPreview preview(f.context(), f.report);
        preview.load();
        preview.showPage(2, 1);
        save(&preview, QStringLiteral("preview-fitted"));
        const QSizeF canvas = preview.canvasTwips();
        const QPointF origin = preview.pageOrigin();
        preview.pagePressed(QPointF(origin.x() + 1500 * preview.screenZoom(), origin.y() + 1000 * preview.screenZoom()),
                            Qt::LeftButton, Qt::NoModifier);
        Q_UNUSED(canvas);
        save(&preview, QStringLiteral("preview-zoomed"));
        f.doubles.fileDialogs.saveAnswers = {folder_ + QStringLiteral("/preview-page.pdf")};
        QVERIFY(preview.printPages(PrintChoice{true, 1, false}));
    }

    void dialogs()
    {
        PrintingFixture f;
        PrintParametersDialog parameters(f.context(), 2, 3);
        save(&parameters, QStringLiteral("printparameters"));
        PageSetupDialog setup(f.context(), 5);
        save(&setup, QStringLiteral("pagesetup"));
        SettingValueDialog magnification(SettingValueDialog::RealMagnification, f.context(), 5);
        save(&magnification, QStringLiteral("realmagnification"));
        SettingValueDialog columns(SettingValueDialog::ExpenseColumns, f.context(), 5);
        save(&columns, QStringLiteral("expensecolumns"));
        f.state.PreferredFont = QStringLiteral("DejaVu Sans");
        SelectPrinter selection(f.context());
        selection.firstTick();
        save(&selection, QStringLiteral("selectprinter"));
        FontOverviewWindow overview(f.context());
        overview.firstTick();
        save(&overview, QStringLiteral("fontoverview"));
    }
};

KV_TEST_MAIN(TestScreenshots)

} // namespace test_screenshots
#include "test_screenshots.moc"
