#include "registerfixture.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

namespace kelvarino {

FlatRecord MakeFlat(const QString &name, const QString &description)
{
    FlatRecord flat;
    flat.ShortName.set(name);
    flat.Description.set(description);
    return flat;
}

PersonRecord MakePerson(const QString &name)
{
    PersonRecord person;
    person.Name.set(name);
    return person;
}

void ShowActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TypeInto(QWidget *box, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void PasteInto(QWidget *box, const QString &text)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text, Qt::NoModifier);
}

void FocusBox(QWidget *box)
{
    box->setFocus(Qt::OtherFocusReason);
    QVERIFY(box->hasFocus());
}

void ClearBox(QLineEdit *box)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
}

QString WorkbookStrings(const QString &path)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/sharedStrings.xml")});
    if (!unzip.waitForFinished(10000) || unzip.exitCode() != 0)
        return QString();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

} // namespace kelvarino
