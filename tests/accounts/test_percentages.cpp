#include "accountsfixture.h"

#include "accounts/permillewindow.h"
#include "accounts/sharecolumnrules.h"
#include "testprogram.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace kelvarino;

Q_DECLARE_METATYPE(std::vector<kelvarino::ShareColumn>)

namespace test_percentages {

namespace {

using W = PerMilleWindow;

ShareColumn Column(std::vector<float> perMille, double end = NotSetDate)
{
    ShareColumn c = ShareColumn::zeros(int(perMille.size()), end);
    c.PerMille = std::move(perMille);
    return c;
}

} // namespace

class TestPercentages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<RegisterFixture>();
    }

    void withoutFlatsNothingOpens()
    {
        QVERIFY(!W::mayOpen(f->context));
        QCOMPARE(f->platform.messages.shown.size(), 1);
        QCOMPARE(f->platform.messages.shown[0].icon, MessageIcon::Information);
        AddFlatsAndPersons(f->state, 1);
        QVERIFY(W::mayOpen(f->context));
    }

    void oneColumnThenAnAddedCopy()
    {
        AddFlatsAndPersons(f->state, 3);
        auto &columns = f->state.Building.ShareColumns[2];
        columns[0].PerMille = {100, 200, 700};
        W w(f->context, 2);
        QVERIFY(f->state.DataChanged); // the first redraw writes the end date and comment
        QCOMPARE(w.slotCount(), 1);
        QVERIFY(w.horizontalBar()->isHidden());
        QVERIFY(w.box(W::PerMille, 1, 0)->isHidden());
        QVERIFY(w.button(0, 0)->isHidden()); // fill: category 0 only
        QCOMPARE(w.totalLabel(0)->text(), QStringLiteral("1000,00"));
        QCOMPARE(w.flatLabel(0)->text(), QStringLiteral(" Δ1   , Όροφος 0"));
        w.removeColumn(0);
        QCOMPARE(f->platform.messages.shown.last().text,
                 QStringLiteral("Δεν μπορείτε να διαγράψετε τη μοναδική στήλη χιλιοστών που υπάρχει"));
        w.endDateBox(0)->setText(QStringLiteral("31/12/2023"));
        w.commentBox(0)->setText(QStringLiteral("παλιά"));
        w.addColumnCopy(0);
        QCOMPARE(w.slotCount(), 2);
        QCOMPARE(columns.size(), std::size_t(2));
        QCOMPARE(w.endDateBox(1)->text(), QString());
        QCOMPARE(w.commentBox(1)->text(), QString());
        QCOMPARE(w.box(W::PerMille, 1, 2)->text(), QStringLiteral("700,00"));
        // Both columns open now? No: column 0 has an end date; make both open.
        w.endDateBox(0)->setText(QString());
        f->platform.messages.shown.clear();
        QVERIFY(!w.canClose());
        QVERIFY(f->platform.messages.shown[0].text.startsWith(
            QStringLiteral("Περισσότερες από μία στήλη χιλιοστών έχουν κενό στην καταληκτική ημερομηνία. ")));
        w.endDateBox(1)->setText(QStringLiteral("1/6/2024"));
        QVERIFY(w.canClose());
        // Sorted: the dated column first, the open one last.
        QCOMPARE(columns[0].EndDate, Day(1, 6, 2024));
        QCOMPARE(columns[1].EndDate, NotSetDate);
    }

    void closingChecks_data()
    {
        QTest::addColumn<std::vector<ShareColumn>>("columns");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("closes");
        const QString dates = QStringLiteral("Πρόβλημα με τις καταληκτικές ημερομηνίες");
        const QString residents = QStringLiteral("Πρόβλημα με τις εκπτώσεις ενοίκων");
        const QString owners = QStringLiteral("Πρόβλημα με τις εκπτώσεις ιδιοκτητών");
        const QString perMille = QStringLiteral("Πρόβλημα με τα χιλιοστά");
        const double d1 = Day(1, 1, 2024), d2 = Day(1, 1, 2025);
        ShareColumn good = Column({500, 500});
        ShareColumn residentsReduced = good;
        residentsReduced.ResidentReduction = {10, 20};
        residentsReduced.OwnerReduction = {10, 20};
        ShareColumn ownersReduced = Column({500, 500}, d1);
        ownersReduced.OwnerReduction = {5, 5};
        ShareColumn zero = Column({0, 0}, d1);
        ShareColumn oneReduced = Column({500, 500}, d1);
        oneReduced.OwnerReduction = {5, 0};
        QTest::newRow("1 no open column") << std::vector{Column({1, 1}, d1)} << QList<MessageAnswer>{}
                                          << QStringList{dates} << false;
        QTest::newRow("2 two open columns") << std::vector{good, good} << QList<MessageAnswer>{}
                                            << QStringList{dates} << false;
        QTest::newRow("3 equal end dates") << std::vector{Column({1, 1}, d2), Column({1, 1}, d2), good}
                                           << QList<MessageAnswer>{} << QStringList{dates} << false;
        QTest::newRow("4a before 4b, column by column")
            << std::vector{ownersReduced, residentsReduced} << QList<MessageAnswer>{} << QStringList{owners} << false;
        QTest::newRow("4a") << std::vector{residentsReduced} << QList<MessageAnswer>{} << QStringList{residents}
                            << false;
        QTest::newRow("5a No") << std::vector{zero, good} << QList<MessageAnswer>{MessageAnswer::No}
                               << QStringList{perMille} << false;
        QTest::newRow("5a Yes, 5b Yes") << std::vector{zero, good}
                                        << QList<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::Yes}
                                        << QStringList{perMille, perMille} << true;
        QTest::newRow("all well") << std::vector{oneReduced, good} << QList<MessageAnswer>{} << QStringList{}
                                  << true;
    }

    void closingChecks()
    {
        QFETCH(std::vector<ShareColumn>, columns);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QStringList, titles);
        QFETCH(bool, closes);
        RecordingMessageService messages;
        messages.script = answers;
        QCOMPARE(ShareColumnsMayClose(columns, messages), closes);
        QStringList shown;
        for (const MessageRequest &m : messages.shown)
            shown << m.title;
        QCOMPARE(shown, titles);
        if (!messages.shown.isEmpty() && titles.first() == QStringLiteral("Πρόβλημα με τα χιλιοστά")) {
            QCOMPARE(messages.shown[0].buttons, MessageButtons::YesNo);
            QCOMPARE(messages.shown[0].defaultAnswer, MessageAnswer::No);
            QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("Αν εξαιρέσουμε τους ενοίκους με έκπτωση")));
        }
    }

    void fillingSevenFlats()
    {
        AddFlatsAndPersons(f->state, 7);
        W w(f->context, 0);
        w.fillEqualShares(0);
        const ShareColumn &column = f->state.Building.ShareColumns[0][0];
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(w.box(W::PerMille, 0, r)->text(), QStringLiteral("142,86"));
            QCOMPARE(column.PerMille[std::size_t(r)], float(1000.0 / 7));
        }
        QCOMPARE(w.totalLabel(0)->text(), QStringLiteral("1000,00"));
        QCOMPARE(w.button(0, 0)->toolTip(), QStringLiteral("click για αυτόματη συμπλήρωση χιλιοστών"));
    }

    void endDatesTypedOutOfOrderAreSortedOnClose()
    {
        AddFlatsAndPersons(f->state, 2);
        auto &columns = f->state.Building.ShareColumns[1];
        columns[0].PerMille = {400, 600};
        W w(f->context, 1);
        ShowActive(&w);
        w.addColumnCopy(0);
        w.addColumnCopy(1);
        QCOMPARE(columns.size(), std::size_t(3));
        QVERIFY(w.horizontalBar()->isVisible());
        QCOMPARE(w.horizontalBar()->maximum(), 1);
        // Columns 0 and 1 get dates in reverse order; column 2 stays open.
        w.horizontalBar()->setValue(0);
        TypeIntoBox(w.endDateBox(0), QStringLiteral("1/1/2025"));
        TypeIntoBox(w.endDateBox(1), QStringLiteral("1/1/2024"));
        Leave(w.commentBox(0));
        QCOMPARE(columns[0].EndDate, Day(1, 1, 2025));
        QVERIFY(w.canClose());
        QCOMPARE(columns[0].EndDate, Day(1, 1, 2024));
        QCOMPARE(columns[1].EndDate, Day(1, 1, 2025));
        QCOMPARE(columns[2].EndDate, NotSetDate);
        W again(f->context, 1);
        QCOMPARE(again.endDateBox(0)->text(), QStringLiteral("1/1/2024"));
        QCOMPARE(again.endDateBox(1)->text(), QStringLiteral("1/1/2025"));
    }

    // The frame asks the window before it closes it: a question answered
    // then is not asked again when the window closes, also after the sort
    // has rewritten the boxes.
    void questionsAnsweredOnceWhenTheFrameCloses()
    {
        AddFlatsAndPersons(f->state, 2);
        auto &columns = f->state.Building.ShareColumns[1];
        columns = {Column({0, 0}), Column({0, 0}, Day(1, 1, 2024))};
        W w(f->context, 1);
        ShowActive(&w);
        f->platform.messages.script = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes,
                                       MessageAnswer::Yes};
        QVERIFY(w.canClose());
        QCOMPARE(columns[0].EndDate, Day(1, 1, 2024));
        QVERIFY(w.close());
        QCOMPARE(f->platform.messages.shown.size(), 4);
    }

    void typingInTheCells()
    {
        AddFlatsAndPersons(f->state, 3);
        W w(f->context, 0);
        ShowActive(&w);
        ShareColumn &column = f->state.Building.ShareColumns[0][0];
        QLineEdit *value = w.box(W::PerMille, 0, 1);
        QLineEdit *reduction = w.box(W::ResidentReduction, 0, 1);
        TypeIntoBox(value, QStringLiteral("1500"));
        QCOMPARE(column.PerMille[1], 1000.0f);
        QCOMPARE(value->text(), QStringLiteral("1500"));
        QCOMPARE(w.totalLabel(0)->text(), QStringLiteral("1000,00"));
        Leave(reduction);
        QCOMPARE(value->text(), QStringLiteral("1000,00"));
        TypeIntoBox(reduction, QStringLiteral("-4"));
        QCOMPARE(column.ResidentReduction[1], 0.0f);
        Leave(value);
        QCOMPARE(reduction->text(), QString());
        TypeIntoBox(value, QStringLiteral("12.5"));
        QCOMPARE(column.PerMille[1], 12.5f);
        value->selectAll();
        PasteInto(value, QStringLiteral("1e999")); // in one edit: unreadable
        QCOMPARE(column.PerMille[1], 12.5f);
        QCOMPARE(value->text(), QStringLiteral("12,50"));
        // An end date that is no date: ignored while typed, emptied on leaving.
        TypeIntoBox(w.endDateBox(0), QStringLiteral("5/5/2024"));
        QCOMPARE(column.EndDate, Day(5, 5, 2024));
        TypeIntoBox(w.endDateBox(0), QStringLiteral("αύριο"));
        QCOMPARE(column.EndDate, Day(5, 5, 2024));
        Leave(value);
        QCOMPARE(w.endDateBox(0)->text(), QString());
        QCOMPARE(column.EndDate, NotSetDate);
        TypeIntoBox(w.commentBox(0), QString(60, QLatin1Char('c')));
        QCOMPARE(column.Comment.text(), QString(50, QLatin1Char('c')));
        // Down moves within the same field.
        value->setFocus();
        QTest::keyClick(value, Qt::Key_Down);
        QVERIFY(w.box(W::PerMille, 0, 2)->hasFocus());
    }

    // Another window changed the flats while this one was open: the rows are
    // built again, never under the signal of the box being typed into.
    void typingAfterTheFlatsChangedElsewhere()
    {
        AddFlatsAndPersons(f->state, 3);
        BuildingData &b = f->state.Building;
        W w(f->context, 0);
        ShowActive(&w);
        b.Flats[0].Description.set(QStringLiteral("Ισόγειο"));
        TypeIntoBox(w.box(W::PerMille, 0, 1), QStringLiteral("250"));
        QTRY_COMPARE(w.flatLabel(0)->text(), QStringLiteral(" Δ1   , Ισόγειο"));
        TypeIntoBox(w.box(W::PerMille, 0, 1), QStringLiteral("300"));
        QCOMPARE(b.ShareColumns[0][0].PerMille[1], 300.0f);

        b.Flats.pop_back();
        for (auto &columns : b.ShareColumns)
            columns[0] = ShareColumn::zeros(2);
        TypeIntoBox(w.box(W::PerMille, 0, 2), QStringLiteral("7"));
        QTRY_COMPARE(w.visibleRows(), 2);
        QCOMPARE(w.box(W::PerMille, 0, 2), nullptr);
        QCOMPARE(b.ShareColumns[0][0].PerMille, (std::vector<float>{0, 0}));
        TypeIntoBox(w.box(W::PerMille, 0, 0), QStringLiteral("600"));
        QCOMPARE(b.ShareColumns[0][0].PerMille[0], 600.0f);
    }

    // In the main window's area the frame follows the window's width as
    // slots come and go.
    void theFrameFollowsTheSlots()
    {
        AddFlatsAndPersons(f->state, 3);
        QMdiArea area;
        area.resize(1200, 800);
        auto *w = new W(f->context, 1);
        QMdiSubWindow *frame = area.addSubWindow(w);
        area.show();
        const int margins = frame->width() - w->width();
        w->addColumnCopy(0);
        QCOMPARE(w->slotCount(), 2);
        QCOMPARE(frame->width(), w->width() + margins);
        f->platform.messages.script = {MessageAnswer::Yes};
        w->removeColumn(1);
        QCOMPARE(w->slotCount(), 1);
        QCOMPARE(frame->width(), w->width() + margins);
    }

    void flatsDeletedElsewhereLeaveNoRows()
    {
        AddFlatsAndPersons(f->state, 2);
        W w(f->context, 0);
        f->state.Building.Flats.clear();
        for (auto &columns : f->state.Building.ShareColumns)
            columns.clear();
        w.showData();
        QCOMPARE(w.visibleRows(), 0);
        QVERIFY(w.canClose());
        QVERIFY(f->platform.messages.shown.isEmpty());
    }

private:
    std::unique_ptr<RegisterFixture> f;
};

KV_TEST_MAIN(TestPercentages)

} // namespace test_percentages
#include "test_percentages.moc"
