#include "shell/passwordchangedialog.h"
#include "shell/passwordentrydialog.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kelvarino;

namespace test_passworddialogs {

namespace {

AppState protectedWork()
{
    AppState state;
    state.AccessPassword.set(QStringLiteral("abc"));
    state.PasswordSet = true;
    return state;
}

} // namespace

class TestPasswordDialogs : public QObject
{
    Q_OBJECT

private slots:
    void readAcceptsTheRightPasswordAfterWrongAttempts()
    {
        TestPlatform doubles;
        PasswordEntryDialog dialog(FixedText<8>(QStringLiteral("Κλειδί12")), doubles.platform());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ανάγνωση δεδομένων από αρχείο"));
        for (const char *wrong : {"κλειδί12", "Κλειδί1", "xyz"}) {
            dialog.passwordBox()->setText(QString::fromUtf8(wrong));
            dialog.checkButton()->click();
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.passwordBox()->text().isEmpty());
        }
        QCOMPARE(doubles.messages.shown.size(), 3);
        const MessageRequest &refusal = doubles.messages.shown.first();
        QCOMPARE(refusal.title, QStringLiteral("Λάθος κωδικός προσπέλασης δεδομένων"));
        QCOMPARE(refusal.text, QStringLiteral("Ο κωδικός που εισήγατε δεν είναι ο σωστός. Προσπαθήστε ξανά."));
        QCOMPARE(refusal.icon, MessageIcon::Critical);
        dialog.passwordBox()->setText(QStringLiteral("  Κλειδί12  "));
        dialog.checkButton()->click();
        QVERIFY(dialog.passwordAccepted());
        QVERIFY(!dialog.isVisible());
    }

    void readTakesTheFirstEightCharacters()
    {
        TestPlatform doubles;
        PasswordEntryDialog dialog(FixedText<8>(QStringLiteral("abcdefgh")), doubles.platform());
        dialog.passwordBox()->setText(QStringLiteral("abcdefghXYZ"));
        dialog.checkButton()->click();
        QVERIFY(dialog.passwordAccepted());
    }

    void leavingReadRefuses()
    {
        TestPlatform doubles;
        PasswordEntryDialog dialog(FixedText<8>(QStringLiteral("abc")), doubles.platform());
        dialog.show();
        dialog.reject();
        QVERIFY(!dialog.passwordAccepted());
        QCOMPARE(doubles.help.closeAllCount, 1);
    }

    void settingAFirstPassword()
    {
        TestPlatform doubles;
        AppState state;
        PasswordChangeDialog dialog(state, doubles.platform());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ορισμός κωδικού προσπέλασης δεδομένων"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("Ορισμός"));
        QVERIFY(!dialog.currentBox()->isEnabled());
        dialog.proposedBox()->setText(QStringLiteral("μυστικό"));
        dialog.validateBox()->setText(QStringLiteral("μυστικό"));
        dialog.okButton()->click();
        QCOMPARE(state.AccessPassword, FixedText<8>(QStringLiteral("μυστικό")));
        QVERIFY(state.PasswordSet);
        QVERIFY(state.DataChanged);

        PasswordChangeDialog next(state, doubles.platform());
        QCOMPARE(next.okButton()->text(), QStringLiteral("Αλλαγή"));
        QVERIFY(next.currentBox()->isEnabled());
    }

    void wrongCurrentPasswordEmptiesAllThreeBoxes()
    {
        TestPlatform doubles;
        AppState state = protectedWork();
        PasswordChangeDialog dialog(state, doubles.platform());
        dialog.show();
        dialog.currentBox()->setText(QStringLiteral("ABC"));
        dialog.proposedBox()->setText(QStringLiteral("new"));
        dialog.validateBox()->setText(QStringLiteral("new"));
        dialog.okButton()->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.currentBox()->text().isEmpty() && dialog.proposedBox()->text().isEmpty()
                && dialog.validateBox()->text().isEmpty());
        QCOMPARE(doubles.messages.shown.last().title,
                 QStringLiteral("Πρόβλημα στην εισαγωγή του κωδικού προσπέλασης των δεδομένων σας"));
        QCOMPARE(state.AccessPassword, FixedText<8>(QStringLiteral("abc")));
    }

    void mismatchEmptiesOnlyTheNewBoxes()
    {
        TestPlatform doubles;
        AppState state = protectedWork();
        PasswordChangeDialog dialog(state, doubles.platform());
        dialog.show();
        dialog.currentBox()->setText(QStringLiteral("abc"));
        dialog.proposedBox()->setText(QStringLiteral("one"));
        dialog.validateBox()->setText(QStringLiteral("two"));
        dialog.okButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentBox()->text(), QStringLiteral("abc"));
        QVERIFY(dialog.proposedBox()->text().isEmpty() && dialog.validateBox()->text().isEmpty());
        QCOMPARE(doubles.messages.shown.last().title,
                 QStringLiteral("Πρόβλημα στον ορισμό νέου κωδικού προσπέλασης των δεδομένων σας"));
        QVERIFY(!state.DataChanged);
    }

    void removingAndKeepingThePassword()
    {
        TestPlatform doubles;
        AppState state = protectedWork();
        {
            PasswordChangeDialog same(state, doubles.platform());
            same.currentBox()->setText(QStringLiteral("abc"));
            same.proposedBox()->setText(QStringLiteral(" abc"));
            same.validateBox()->setText(QStringLiteral("abc "));
            same.okButton()->click();
            QVERIFY(!state.DataChanged);
        }
        PasswordChangeDialog remove(state, doubles.platform());
        remove.currentBox()->setText(QStringLiteral("abc"));
        remove.okButton()->click();
        QVERIFY(state.AccessPassword.isBlank());
        QVERIFY(!state.PasswordSet);
        QVERIFY(state.DataChanged);
    }

    void charactersTheFileCannotHoldAreRefused()
    {
        TestPlatform doubles;
        AppState state;
        PasswordChangeDialog dialog(state, doubles.platform());
        dialog.show();
        dialog.proposedBox()->setText(QStringLiteral("ключ"));
        dialog.validateBox()->setText(QStringLiteral("ключ"));
        dialog.okButton()->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(state.AccessPassword.isBlank());
        QVERIFY(!state.DataChanged);
        QCOMPARE(doubles.messages.shown.size(), 1);
    }
};

KV_TEST_MAIN(TestPasswordDialogs)

} // namespace test_passworddialogs
#include "test_passworddialogs.moc"
