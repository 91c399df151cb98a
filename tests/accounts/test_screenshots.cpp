#include "accountsfixture.h"

#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/expenseswindow.h"
#include "accounts/paymentswindow.h"
#include "accounts/permillewindow.h"
#include "examplebuilding.h"
#include "testprogram.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>

using namespace kelvarino;

namespace test_screenshots {

// Pictures of the accounts windows on the example building, for a person to
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
        f_.state.Building = MakeExampleBuilding();
        f_.shell.clientHeight = 11000;
    }

    void perMille()
    {
        int category = 0;
        for (int c = 0; c < CategoryCount; ++c)
            if (f_.state.Building.ShareColumnCount(c) > f_.state.Building.ShareColumnCount(category))
                category = c;
        PerMilleWindow w(f_.context, category);
        while (f_.state.Building.ShareColumnCount(category) < 3)
            w.addColumnCopy(0);
        save(&w, QStringLiteral("percentages"));
    }

    void expenses()
    {
        BuildingData &b = f_.state.Building;
        for (int i = 0; i < b.ExpenseCount(); i += 3)
            b.Expenses[std::size_t(i)].NotPaidYet = True16;
        ExpensesWindow w(f_.context);
        const auto filters = OnModal<ExpenseFilterDialog>([this](ExpenseFilterDialog *d) {
            d->types().box(0)->click();
            save(d, QStringLiteral("expensefilters"));
            d->applyButton()->click();
        });
        w.setFilters();
        save(&w, QStringLiteral("expenses"));
        auto *dialog = new ExpenseChangeDialog(f_.state, f_.platform.platform(), w.listed().front(), &w);
        save(dialog, QStringLiteral("expensechanges"));
        delete dialog;
    }

    void payments()
    {
        PaymentsWindow w(f_.context);
        w.scrollBar()->setValue(std::min(5, w.scrollBar()->maximum()));
        save(&w, QStringLiteral("payments"));
    }
};

KV_TEST_MAIN(TestScreenshots)

} // namespace test_screenshots
#include "test_screenshots.moc"
