// What the desktop is handed, and what the user is told when the desktop has
// no program for it.
#include "platform/desktopopening.h"
#include "testprogram.h"

#include <QTest>

using namespace kelvarino;

namespace test_desktopopening {

namespace {

enum class Kind { SavedFile, Mail, Page };

bool Open(const Platform &platform, Kind kind, const QString &what)
{
    switch (kind) {
    case Kind::SavedFile:
        return OpenSavedFileOnDesktop(platform, what);
    case Kind::Mail:
        return OpenMailOnDesktop(platform, what);
    case Kind::Page:
        return OpenPageOnDesktop(platform, QUrl::fromUserInput(what));
    }
    return false;
}

} // namespace

class TestDesktopOpening : public QObject
{
    Q_OBJECT

private slots:
    void whatTheDesktopCannotOpenIsSaid_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString file = QStringLiteral("/home/διαχειριστής/Πολυκατοικία/prnPersons_Πολυκατοικία_2057.xlsx");
        QTest::newRow("a saved file")
            << Kind::SavedFile << file << QUrl::fromLocalFile(file).toString() << QStringLiteral("Άνοιγμα αρχείου")
            << QStringLiteral("Δεν μπορέσαμε να ανοίξουμε το αρχείο με κάποιο πρόγραμμα του υπολογιστή σας. Το "
                              "αρχείο αποθηκεύτηκε στη θέση:\n\n")
                   + file + QStringLiteral("\n\nΑνοίξτε το εσείς χειροκίνητα.");
        QTest::newRow("a mail address")
            << Kind::Mail << QStringLiteral("a b@x.gr?cc=other@y.gr")
            << QStringLiteral("mailto:a%20b@x.gr%3Fcc%3Dother@y.gr") << QStringLiteral("Αποστολή email")
            << QStringLiteral("Δεν μπορέσαμε να ανοίξουμε κάποιο πρόγραμμα ηλεκτρονικού ταχυδρομείου του "
                              "υπολογιστή σας για τη διεύθυνση:\n\na b@x.gr?cc=other@y.gr\n\nΣτείλτε το μήνυμά σας "
                              "εσείς χειροκίνητα.");
        QTest::newRow("a page on this computer")
            << Kind::Page << QStringLiteral("/opt/κελβαρίνο/help/about.html")
            << QUrl::fromLocalFile(QStringLiteral("/opt/κελβαρίνο/help/about.html")).toString()
            << QStringLiteral("Μετάβαση στην ιστοσελίδα")
            << QStringLiteral("Δεν μπορέσαμε να ανοίξουμε την ιστοσελίδα με κάποιο πρόγραμμα του υπολογιστή σας. "
                              "Η ιστοσελίδα βρίσκεται στη θέση:\n\n/opt/κελβαρίνο/help/about.html");
        QTest::newRow("a page on the web")
            << Kind::Page << QStringLiteral("https://kelvarino.example/") << QStringLiteral("https://kelvarino.example/")
            << QStringLiteral("Μετάβαση στην ιστοσελίδα")
            << QStringLiteral("Δεν μπορέσαμε να ανοίξουμε την ιστοσελίδα με κάποιο πρόγραμμα του υπολογιστή σας. "
                              "Η ιστοσελίδα βρίσκεται στη θέση:\n\nhttps://kelvarino.example/");
    }

    void whatTheDesktopCannotOpenIsSaid()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, what);
        QFETCH(QString, url);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TestPlatform doubles;

        // A desktop that opens it: nothing to say.
        QVERIFY(Open(doubles.platform(), kind, what));
        QCOMPARE(doubles.desktop.opened.size(), 1);
        QCOMPARE(QString::fromUtf8(doubles.desktop.opened[0].toEncoded()), QString::fromUtf8(QUrl(url).toEncoded()));
        QVERIFY(doubles.messages.shown.isEmpty());

        // One without a program for it: asked the same, and then the message.
        doubles.desktop.refuses = true;
        QVERIFY(!Open(doubles.platform(), kind, what));
        QCOMPARE(doubles.desktop.opened.value(1), doubles.desktop.opened[0]);
        QCOMPARE(doubles.messages.shown.size(), 1);
        const MessageRequest &said = doubles.messages.shown[0];
        QCOMPARE(said.title, title);
        QCOMPARE(said.text, text);
        QCOMPARE(said.icon, MessageIcon::Information);
        QCOMPARE(said.buttons, MessageButtons::Ok);
    }
};

KV_TEST_MAIN(TestDesktopOpening)

} // namespace test_desktopopening
#include "test_desktopopening.moc"
