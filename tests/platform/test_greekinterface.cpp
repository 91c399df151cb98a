#include "platform/localeservice.h"
#include "platform/qtfiledialogservice.h"
#include "platform/qttranslation.h"
#include "fifowatch.h"
#include "modalwindow.h"
#include "testprogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <optional>

#include <sys/inotify.h>
#include <unistd.h>

using namespace kelvarino;

namespace test_greekinterface {

namespace {

// What the open dialog's detail view shows for one file, and how wide the
// size and type columns are against what their texts need, as the view
// measures them.
struct SeenRow
{
    QString size, type, date;
    int sizeWidth = 0, sizeNeeds = 0;
    int typeWidth = 0, typeNeeds = 0;
};

// The row of `name` in the dialog's detail view, once its details are known.
std::optional<SeenRow> RowOf(QFileDialog *dialog, const QString &name)
{
    auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    const QAbstractItemModel *rows = view ? view->model() : nullptr;
    for (int row = 0; rows && row < rows->rowCount(view->rootIndex()); ++row) {
        const QModelIndex file = rows->index(row, 0, view->rootIndex());
        const auto cell = [&](int column) { return file.siblingAtColumn(column).data().toString(); };
        if (cell(0) != name || cell(3).isEmpty())
            continue;
        const auto *items = static_cast<const QAbstractItemView *>(view);
        return SeenRow{cell(1), cell(2), cell(3), view->columnWidth(1), items->sizeHintForColumn(1),
                       view->columnWidth(2), items->sizeHintForColumn(2)};
    }
    return std::nullopt;
}

void WriteFile(const QString &path, qint64 bytes, const QDateTime &modified = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(bytes));
    QVERIFY(file.flush()); // so that no later write moves the time set below
    if (modified.isValid())
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
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

    // Dates in the program's format, and every size and kind of file whole:
    // the size column holds the widest size of a unit ("1024,00 kB").
    void theFileDialogShowsGreekDatesWholeSizesAndWholeTypes()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString small = QStringLiteral("λογαριασμοί.txt");
        const QString large = QStringLiteral("μεγάλο.pdf");
        WriteFile(folder.filePath(small), 5, QDateTime(QDate(2021, 2, 3), QTime(14, 5, 59)));
        WriteFile(folder.filePath(large), (1 << 20) - 1);

        // A large font, as on a desktop set so, which the columns' standard
        // widths do not hold.
        const QFont font = QApplication::font();
        QFont bigger = font;
        bigger.setPointSizeF(font.pointSizeF() * 1.6);
        QApplication::setFont(bigger);
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(font); });

        QtFileDialogService dialogs;
        std::optional<SeenRow> first, second;
        const auto modal = OnModal<QFileDialog>(
            [&](QFileDialog *dialog) {
                first = RowOf(dialog, small);
                second = RowOf(dialog, large);
            },
            [&](QFileDialog *dialog) { return RowOf(dialog, small) && RowOf(dialog, large); });
        QVERIFY(dialogs.openFile({QStringLiteral("Άνοιγμα"), folder.path(), QStringLiteral("Όλα (*)"), {}}).isEmpty());
        QVERIFY(first && second);
        QCOMPARE(first->date, QStringLiteral("3/2/2021 14:05"));
        QCOMPARE(first->size, QStringLiteral("5 byte"));
        QCOMPARE(second->size, QStringLiteral("1024,00 kB"));
        QVERIFY(!first->type.isEmpty());
        for (const SeenRow &row : {*first, *second}) {
            QVERIFY2(row.sizeWidth >= row.sizeNeeds, qPrintable(QStringLiteral("%1 < %2").arg(row.sizeWidth).arg(row.sizeNeeds)));
            QVERIFY2(row.typeWidth >= row.typeNeeds, qPrintable(QStringLiteral("%1 < %2").arg(row.typeWidth).arg(row.typeNeeds)));
        }
    }

    // Browsing names a file's kind from its name and reads nothing: neither a
    // FIFO, whose opening would wait for a writer, nor a file whose bytes say
    // another kind than its name.
    void theFileDialogNamesKindsWithoutOpeningFiles()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        kvtest::FifoWatch fifo(folder.filePath(QStringLiteral("kmsg")));
        QVERIFY(fifo.made());
        const QString pdfWithoutName = QStringLiteral("report");
        const QString text = QStringLiteral("notes.txt");
        for (const QString &name : {pdfWithoutName, text}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< >>\nendobj\n");
        }

        // Whatever opens the files from now on is told.
        const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(opens >= 0);
        const auto closeWatch = qScopeGuard([opens] { ::close(opens); });
        for (const QString &name : {pdfWithoutName, text})
            QVERIFY(::inotify_add_watch(opens, QFile::encodeName(folder.filePath(name)).constData(), IN_OPEN) >= 0);

        QtFileDialogService dialogs;
        std::optional<SeenRow> pdf, notes;
        const auto modal = OnModal<QFileDialog>(
            [&](QFileDialog *dialog) {
                pdf = RowOf(dialog, pdfWithoutName);
                notes = RowOf(dialog, text);
                // The empty folder the dialog is made in is not offered as a
                // place to go back to.
                auto *back = dialog->findChild<QWidget *>(QStringLiteral("backButton"));
                QVERIFY(back && !back->isEnabled());
            },
            // The listing's details come for every entry of the folder at
            // once, the FIFO's (which the dialog does not show) among them.
            [&](QFileDialog *dialog) { return RowOf(dialog, pdfWithoutName) && RowOf(dialog, text); });
        QVERIFY(dialogs.openFile({QStringLiteral("Άνοιγμα"), folder.path(), QStringLiteral("Όλα (*)"), {}}).isEmpty());
        QVERIFY(pdf && notes);
        QVERIFY2(!fifo.openedByOthers(), "the dialog opened the FIFO");
        char events[4096];
        QVERIFY2(::read(opens, events, sizeof events) < 0, "the dialog opened a file");
        const QMimeDatabase kinds;
        QCOMPARE(pdf->type, kinds.mimeTypeForFile(pdfWithoutName, QMimeDatabase::MatchExtension).comment());
        QVERIFY(pdf->type != kinds.mimeTypeForName(QStringLiteral("application/pdf")).comment());
        QCOMPARE(notes->type, kinds.mimeTypeForName(QStringLiteral("text/plain")).comment());
    }
};

KV_TEST_MAIN(TestGreekInterface)

} // namespace test_greekinterface
#include "test_greekinterface.moc"
