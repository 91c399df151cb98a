#include "platform/qtclipboardservice.h"
#include "platform/qthelpservice.h"
#include "platform/qtmessageservice.h"
#include "platform/qtprinterservice.h"
#include "platform/titlewidth.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

using namespace kelvarino;

namespace test_qtservices {

namespace {

struct SeenBox
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton preselected = QMessageBox::NoButton;
};

// Reads the next message box and then presses `press` (or Escape).
ModalDriver inspectNextBox(SeenBox &seen, QMessageBox::StandardButton press,
                           std::source_location where = std::source_location::current())
{
    return OnModal<QMessageBox>(
        [&seen, press](QMessageBox *box) {
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            seen.preselected = box->standardButton(box->defaultButton());
            if (press == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(press)->click();
        },
        {}, where);
}

// Whether the window takes keyboard input: a key sent through the window
// system (where an open modal window blocks the windows it does not own)
// scrolls its page.
bool scrollsByKeyboard(QTextBrowser *help)
{
    help->resize(220, 120); // so that the page is longer than the window
    QScrollBar *bar = help->verticalScrollBar();
    if (bar->maximum() <= 0)
        return false;
    bar->setValue(0);
    help->setFocus();
    QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
    return bar->value() > 0;
}

} // namespace

class TestQtServices : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxesShowExactlyWhatWasAsked()
    {
        QtMessageService messages;
        SeenBox seen;
        const auto box = inspectNextBox(seen, QMessageBox::No);
        const MessageAnswer answer = messages.show({QStringLiteral("Εργασία σε εκκρεμότητα"),
                                                    QStringLiteral("Θέλετε να αποθηκεύσετε;"),
                                                    MessageIcon::Exclamation, MessageButtons::YesNoCancel,
                                                    MessageAnswer::Yes});
        QCOMPARE(answer, MessageAnswer::No);
        QCOMPARE(seen.title, QStringLiteral("Εργασία σε εκκρεμότητα"));
        QCOMPARE(seen.text, QStringLiteral("Θέλετε να αποθηκεύσετε;"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(seen.preselected, QMessageBox::Yes);
    }

    void escapeAnswersCancelOrNo()
    {
        QtMessageService messages;
        SeenBox seen;
        const auto box = inspectNextBox(seen, QMessageBox::NoButton);
        QCOMPARE(messages.show({QStringLiteral("t"), QStringLiteral("x"), MessageIcon::Information,
                                MessageButtons::OkCancel, MessageAnswer::Cancel}),
                 MessageAnswer::Cancel);
        QCOMPARE(seen.preselected, QMessageBox::Cancel);
        const auto box2 = inspectNextBox(seen, QMessageBox::NoButton);
        QCOMPARE(messages.show({QStringLiteral("t"), QStringLiteral("x"), MessageIcon::Question,
                                MessageButtons::YesNo, MessageAnswer::Yes}),
                 MessageAnswer::No);
        QCOMPARE(seen.icon, QMessageBox::Question);
    }

    void aMessageBoxIsAsWideAsItsTitle()
    {
        const QString title = QStringLiteral("Πρόβλημα στον ορισμό νέου κωδικού προσπέλασης των δεδομένων σας");
        // An owner narrower than the widened box, in the middle of the screen.
        QWidget owner;
        owner.setGeometry(QRect(QPoint(0, 0), QSize(300, 200)));
        owner.move(owner.screen()->availableGeometry().center() - owner.rect().center());
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QtMessageService messages;
        messages.setOwner(&owner);
        QRect box;
        const auto shown = OnModal<QMessageBox>([&box](QMessageBox *b) { box = b->frameGeometry(); });
        messages.error(title, QStringLiteral("Στις 2 φορές δεν εισήγατε τον ίδιο κωδικό."));
        QVERIFY2(box.width() >= QFontMetrics(QApplication::font()).horizontalAdvance(title),
                 qPrintable(QString::number(box.width())));
        QVERIFY(box.width() >= WindowWidthForTitle(title));
        // Widened, it stays centred on its owner.
        QVERIFY2(std::abs(box.center().x() - owner.frameGeometry().center().x()) <= 2,
                 qPrintable(QStringLiteral("%1 against %2").arg(box.center().x()).arg(owner.frameGeometry().center().x())));
    }

    void theBuiltInPrinterIsAlwaysThere()
    {
        QtPrinterService printers;
        QVERIFY(printers.printerNames().contains(BuiltInPdfPrinterName()));
        QVERIFY(!printers.currentPrinterName().isEmpty());
        QVERIFY(printers.printerNames().contains(printers.currentPrinterName()));
        // Reading the list ahead of the first question changes no answer.
        QtPrinterService prepared;
        prepared.prepare();
        QCOMPARE(prepared.printerNames(), printers.printerNames());
        QCOMPARE(prepared.currentPrinterName(), printers.currentPrinterName());
        // The built-in printer takes every paper, Folio (which the platform
        // has no size for) included.
        printers.setCurrentPrinter(BuiltInPdfPrinterName());
        for (int paper : {14, 7, 39}) {
            printers.setPaperCode(paper);
            QCOMPARE(printers.paperCode(), paper);
        }
    }

    void aColumnCopiedOnThisDesktopReachesTheProgramInCrLfLines()
    {
        // A spreadsheet on Linux ends its lines with a lone LF; names split at CR LF.
        QtClipboardService clipboard;
        QGuiApplication::clipboard()->setText(QStringLiteral("A1\nA2\r\n\nΑ 3\n"));
        QVERIFY(clipboard.hasText());
        QCOMPARE(clipboard.text(), QStringLiteral("A1\r\nA2\r\n\r\nΑ 3\r\n"));
        QCOMPARE(ClipboardLinesAsCrLf(QStringLiteral("\na\rb")), QStringLiteral("\r\na\rb"));
    }

    void everyTopicOfTheShellHasItsPage()
    {
        QtHelpService help(QStringLiteral(KV_SOURCE_DIR "/help"));
        for (int topic : {15, 37, 50, 51, 52, 53, 70, 5000, 5005, 5010, 8430, 8435, 12015, 12030})
            QVERIFY2(QFile::exists(help.pagePath(topic)), qPrintable(help.pagePath(topic)));
        QVERIFY(QFile::exists(QStringLiteral(KV_SOURCE_DIR "/help/about.html")));
    }

    void theHelpWindowShowsATopicAndCloses()
    {
        QtHelpService help(QStringLiteral(KV_SOURCE_DIR "/help"));
        help.showTopic(70);
        QVERIFY(help.window());
        QVERIFY(help.window()->isVisible());
        QVERIFY(help.window()->toPlainText().contains(QStringLiteral("Κωδικός προσπέλασης")));
        help.showTopic(999999);
        QVERIFY(help.window()->toPlainText().contains(QStringLiteral("999999")));
        help.closeAll();
        QTRY_VERIFY(!help.window());
    }

    // Help asked for from a modal window stands above it and takes input while
    // it is open; when it closes, the help window stays open, the main
    // window's again.
    void helpAskedForFromAModalWindowIsItsOwn()
    {
        QWidget mainWindow;
        mainWindow.show();
        QtHelpService help(QStringLiteral(KV_SOURCE_DIR "/help"));
        help.setOwner(&mainWindow);
        auto *dialog = new QDialog(&mainWindow);
        bool usable = false;
        const auto modal = OnModal<QDialog>([&](QDialog *open) {
            help.showTopic(70);
            QTextBrowser *window = help.window();
            QVERIFY(window && window->isVisible());
            QVERIFY(window->toPlainText().contains(QStringLiteral("Κωδικός προσπέλασης")));
            QCOMPARE(window->windowHandle()->transientParent(), open->windowHandle());
            usable = scrollsByKeyboard(window);
        });
        dialog->exec();
        delete dialog;
        QVERIFY(usable);
        QVERIFY(help.window() && help.window()->isVisible());
        QCOMPARE(help.window()->parentWidget(), &mainWindow);
        // Asked for again, the one help window shows the new topic.
        help.showTopic(37);
        QCOMPARE(mainWindow.findChildren<QTextBrowser *>().size(), 1);
        help.closeAll();
        QTRY_VERIFY(!help.window());
    }
};

KV_TEST_MAIN(TestQtServices)

} // namespace test_qtservices
#include "test_qtservices.moc"
