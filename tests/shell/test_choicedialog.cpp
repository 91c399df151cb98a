#include "shell/choicedialog.h"
#include "shell/dialogchoiceservice.h"

#include "modalwindow.h"
#include "testprogram.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QApplication>

using namespace kelvarino;

namespace test_choicedialog {

namespace {

ChoiceRequest shutdownLike()
{
    ChoiceRequest request;
    request.title = QStringLiteral("  Τερματισμός  ");
    request.icon = ChoiceRequest::Exclamation;
    request.lines = {QStringLiteral("Πρώτη παράγραφος."), QStringLiteral("Τί θέλετε να γίνει;")};
    request.options = {QStringLiteral(" Χωρίς αποθήκευση "), QStringLiteral("Με αποθήκευση"),
                       QStringLiteral("Νέο αρχείο"), QStringLiteral("Άκυρο")};
    request.defaultOption = 3;
    return request;
}

} // namespace

class TestChoiceDialog : public QObject
{
    Q_OBJECT

private slots:
    void okAnswersThePreselectedOption()
    {
        RecordingHelpService help;
        ChoiceDialog dialog(shutdownLike(), &help);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Τερματισμός"));
        QCOMPARE(dialog.optionLabels().first()->text(), QStringLiteral("Χωρίς αποθήκευση"));
        QVERIFY(dialog.optionButtons().at(3)->isChecked());
        QVERIFY(dialog.itemList()->isHidden());
        dialog.okButton()->click();
        QCOMPARE(dialog.answer(), 3);
        QCOMPARE(help.closeAllCount, 1);
    }

    void clickOnAnOptionTextSelectsItAndADoubleClickConfirms()
    {
        ChoiceDialog dialog(shutdownLike(), nullptr);
        dialog.show();
        QTest::mouseClick(dialog.optionLabels().at(1), Qt::LeftButton);
        QVERIFY(dialog.optionButtons().at(1)->isChecked());
        dialog.okButton()->click();
        QCOMPARE(dialog.answer(), 1);

        ChoiceDialog again(shutdownLike(), nullptr);
        again.show();
        QTest::mouseDClick(again.optionLabels().at(2), Qt::LeftButton);
        QVERIFY(!again.isVisible());
        QCOMPARE(again.answer(), 2);
    }

    void theChoiceServiceAnswersWhatTheDialogAnswers()
    {
        RecordingHelpService help;
        DialogChoiceService service;
        service.setHelp(&help);
        const auto modal = OnModal<ChoiceDialog>([](ChoiceDialog *dialog) {
            dialog->chooseOption(2);
            dialog->okButton()->click();
        });
        QCOMPARE(service.ask(shutdownLike()), 2);
        QCOMPARE(help.closeAllCount, 1);
    }

    void closingWithoutOkAnswersMinusOne()
    {
        ChoiceDialog dialog(shutdownLike(), nullptr);
        dialog.show();
        dialog.chooseOption(0);
        dialog.reject();
        QCOMPARE(dialog.answer(), -1);
    }

    void withoutOptionsOkAnswersMinusOne()
    {
        ChoiceRequest request;
        request.title = QStringLiteral("Ενημέρωση");
        request.lines = {QStringLiteral("Η λίστα είναι κενή.")};
        ChoiceDialog dialog(request, nullptr);
        QVERIFY(dialog.optionButtons().isEmpty());
        dialog.okButton()->click();
        QCOMPARE(dialog.answer(), -1);
    }

    void requestOutsideTheLimitsIsClamped()
    {
        ChoiceRequest request = shutdownLike();
        request.icon = 7;
        request.defaultOption = 9;
        ChoiceDialog dialog(request, nullptr);
        QVERIFY(dialog.iconLabel()->isHidden());
        for (QRadioButton *button : dialog.optionButtons())
            QVERIFY(!button->isChecked());
        dialog.okButton()->click();
        QCOMPARE(dialog.answer(), -1);
    }

    void itemsAreListedAsGivenWithTheirBlanks()
    {
        ChoiceRequest request = shutdownLike();
        request.items = {QStringLiteral("Α1   Πρώτο"), QStringLiteral("Β2   Δεύτερο")};
        ChoiceDialog dialog(request, nullptr);
        QVERIFY(!dialog.itemList()->isHidden());
        QCOMPARE(dialog.itemList()->count(), 2);
        QCOMPARE(dialog.itemList()->item(0)->text(), QStringLiteral("Α1   Πρώτο"));
        // The options start below the list.
        QVERIFY(dialog.optionButtons().first()->y() > dialog.itemList()->geometry().bottom());
    }

    void paragraphsAreSeparatedByOneEmptyLine()
    {
        ChoiceRequest request;
        request.lines = {QStringLiteral("  ένα   δύο  "), QString(), QStringLiteral("τρία")};
        ChoiceDialog dialog(request, nullptr);
        QCOMPARE(dialog.message()->lines(),
                 (QStringList{QStringLiteral("ένα δύο"), QString(), QString(), QString(), QStringLiteral("τρία")}));
        QVERIFY(dialog.message()->scrollBar()->isHidden());
    }

    void wrappingIsGreedyAndCutsOverlongWords()
    {
        const QFont font(QStringLiteral("DejaVu Sans Mono"));
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(QStringLiteral("aaaa bbbb"));
        QCOMPARE(ChoiceDialog::wrapParagraph(QStringLiteral("aaaa bbbb cccc"), metrics, width),
                 (QStringList{QStringLiteral("aaaa bbbb"), QStringLiteral("cccc")}));
        QCOMPARE(ChoiceDialog::wrapParagraph(QStringLiteral("aaaaaaaaaaaaaaaaaaaa"), metrics, width),
                 QStringList{QStringLiteral("aaaaaaaaa")});
        QCOMPARE(ChoiceDialog::wrapParagraph(QString(), metrics, width), QStringList{QString()});
    }

    void aLongMessageScrollsToItsLastLine()
    {
        ChoiceRequest request;
        for (int i = 0; i < 20; ++i)
            request.lines.append(QStringLiteral("Γραμμή %1").arg(i));
        ChoiceDialog dialog(request, nullptr);
        ChoiceMessage *message = dialog.message();
        QScrollBar *bar = message->scrollBar();
        QVERIFY(!bar->isHidden());
        const int lineHeight = message->lineHeight();
        const int top = message->lineHeight() * 60 / 180;
        const int lastBottom = top + int(message->lines().size()) * lineHeight - bar->maximum() * lineHeight;
        QVERIFY(lastBottom <= message->height());
        QVERIFY(message->height() - lastBottom <= lineHeight);
    }
};

KV_TEST_MAIN(TestChoiceDialog)

} // namespace test_choicedialog
#include "test_choicedialog.moc"
