#include "platform/localeservice.h"
#include "platform/qtfiledialogservice.h"
#include "platform/qttranslation.h"
#include "testprogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace kelvarino;

namespace test_greekinterface {

namespace {

// What the open dialog's detail view shows for one file.
struct SeenRow
{
    QString size, type, date;
    int typeWidth = 0;
    int typeNeeds = 0;
};

// Waits for the open dialog, reads the row of `name` once its details are
// known, and closes the dialog; after ten seconds it closes it anyway.
void readRowOfNextFileDialog(const QString &name, SeenRow &seen)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, deadline = QDeadlineTimer(10000), name, &seen] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        const QAbstractItemModel *rows = view ? view->model() : nullptr;
        for (int row = 0; rows && row < rows->rowCount(view->rootIndex()); ++row) {
            const QModelIndex file = rows->index(row, 0, view->rootIndex());
            const auto cell = [&](int column) { return file.siblingAtColumn(column).data().toString(); };
            if (cell(0) == name && !cell(3).isEmpty()) {
                // The width the column's texts need, as the view measures them.
                const int needs = static_cast<const QAbstractItemView *>(view)->sizeHintForColumn(2);
                seen = {cell(1), cell(2), cell(3), view->columnWidth(2), needs};
                break;
            }
        }
        if (!seen.date.isEmpty() || deadline.hasExpired()) {
            dialog->reject();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

} // namespace

class TestGreekInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LocaleService::installGreekLocale();
        QVERIFY(installToolkitTranslation());
        QVERIFY(installToolkitTranslation()); // a second call changes nothing
    }

    void theToolkitsWordsAreGreek_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("greek");
        const auto row = [](const char *context, const char *source, const char *greek) {
            QTest::addRow("%s %s", context, source)
                << QString::fromLatin1(context) << QString::fromLatin1(source) << QString::fromUtf8(greek);
        };
        row("QFileSystemModel", "Name", "Όνομα");
        row("QFileSystemModel", "Date Modified", "Ημερομηνία τροποποίησης");
        row("QFileSystemModel", "Computer", "Υπολογιστής");
        row("QFileDialog", "Create New Folder", "Δημιουργία νέου φακέλου");
        row("QFileDialog", "Show &hidden files", "Εμφάνιση &κρυφών αρχείων");
        row("QColorDialog", "&Basic colors", "&Βασικά χρώματα");
        row("QColorDialog", "&Pick Screen Color", "&Επιλογή χρώματος από την οθόνη");
        row("QPlatformTheme", "Cancel", "Άκυρο");
        row("QLineEdit", "&Paste", "Επι&κόλληση");
        row("QMdiSubWindow", "Mi&nimize", "Ελα&χιστοποίηση");
    }

    void theToolkitsWordsAreGreek()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, greek);
        QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)), greek);
    }

    void theToolkitsOwnWindowsShowThem()
    {
        QFileSystemModel files;
        QCOMPARE(files.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Όνομα"));
        QCOMPARE(files.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Ημερομηνία τροποποίησης"));

        QColorDialog colours;
        QStringList labels;
        for (const QLabel *label : colours.findChildren<QLabel *>())
            labels.append(label->text());
        QVERIFY2(labels.contains(QStringLiteral("&Βασικά χρώματα")), qPrintable(labels.join(u'|')));
        QVERIFY2(labels.contains(QStringLiteral("Από&χρωση:")), qPrintable(labels.join(u'|')));
        const auto *buttons = colours.findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Άκυρο"));
    }

    void theFileDialogShowsGreekDatesAndWholeTypes()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString name = QStringLiteral("λογαριασμοί.txt");
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("12345"), qint64(5));
        QVERIFY(file.flush()); // so that no later write moves the time set below
        QVERIFY(file.setFileTime(QDateTime(QDate(2021, 2, 3), QTime(14, 5, 59)), QFileDevice::FileModificationTime));
        file.close();

        QtFileDialogService dialogs;
        SeenRow seen;
        readRowOfNextFileDialog(name, seen);
        QVERIFY(dialogs.openFile({QStringLiteral("Άνοιγμα"), folder.path(), QStringLiteral("Όλα (*)"), {}}).isEmpty());
        QCOMPARE(seen.date, QStringLiteral("3/2/2021 14:05"));
        QCOMPARE(seen.size, QStringLiteral("5 byte"));
        QVERIFY(!seen.type.isEmpty());
        QVERIFY2(seen.typeWidth >= seen.typeNeeds, qPrintable(QStringLiteral("%1 < %2").arg(seen.typeWidth).arg(seen.typeNeeds)));
    }
};

KV_TEST_MAIN(TestGreekInterface)

} // namespace test_greekinterface
#include "test_greekinterface.moc"
