// The help pages against the program: every topic the program opens has its
// page, every link between pages reaches a page and a section that exist, and
// the main window's page leads to every section of the guide to the data
// windows in one link.

#include "platform/qthelpservice.h"
#include "programtest.h"
#include "testprogram.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <utility>

using namespace kelvarino;

namespace test_helppages {

namespace {

QString HelpFolder() { return QStringLiteral(KV_SOURCE_DIR "/help"); }

QString ReadText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The topic numbers that the program's sources hand to the help window.
struct SourceTopics
{
    QSet<int> topics;
    // Where a topic is named in a way this scan cannot read: the test fails on
    // it rather than miss a topic.
    QStringList unreadable;
};

// A topic handed on rather than named: the parameter of a forwarding
// function, or a name whose value the scan reads where it is defined.
bool IsForwarded(const QString &argument)
{
    static const QStringList forwarded = {QStringLiteral("topic"), QStringLiteral("HelpTopic"),
                                          QStringLiteral("MainHelpTopic"), QStringLiteral("texts_.helpTopic"),
                                          QStringLiteral("report_.helpTopic()")};
    return forwarded.contains(argument);
}

void Note(SourceTopics &found, const QString &value, const QString &where)
{
    bool number = false;
    const int topic = value.toInt(&number);
    if (number) {
        if (topic != 0) // 0 stands for "no topic"
            found.topics.insert(topic);
    } else if (!IsForwarded(value)) {
        found.unreadable << where + QStringLiteral(": ") + value;
    }
}

// Reads every topic number of src: the arguments of showTopic, what the
// windows' helpTopic() return, and the help-topic constants and fields.
SourceTopics ScanSources()
{
    static const QRegularExpression calls(QStringLiteral("showTopic\\s*\\(\\s*((?:[^()]|\\([^()]*\\))*?)\\s*\\)"));
    static const QRegularExpression returns(
        QStringLiteral("helpTopic\\s*\\(\\s*\\)\\s*const[^{;]*\\{\\s*return\\s+([\\w.]+(?:\\(\\))?)\\s*;"));
    static const QRegularExpression constants(QStringLiteral("[Hh]elpTopic\\s*=\\s*(\\d+)\\s*[;,)]"));
    SourceTopics found;
    QDirIterator files(QStringLiteral(KV_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString text = ReadText(path);
        const QString where = QDir(QStringLiteral(KV_SOURCE_DIR)).relativeFilePath(path);
        for (const QRegularExpressionMatch &m : calls.globalMatch(text)) {
            // The declarations and definitions of showTopic itself name a parameter.
            if (!m.captured(1).startsWith(QStringLiteral("int ")))
                Note(found, m.captured(1), where);
        }
        for (const QRegularExpressionMatch &m : returns.globalMatch(text))
            Note(found, m.captured(1), where);
        for (const QRegularExpressionMatch &m : constants.globalMatch(text))
            Note(found, m.captured(1), where);
    }
    return found;
}

// The anchors Qt's rich text finds in a page: what a link's "#section" can reach.
QSet<QString> AnchorsOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QSet<QString> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QString &name : block.charFormat().anchorNames())
            anchors.insert(name);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            for (const QString &name : fragment.fragment().charFormat().anchorNames())
                anchors.insert(name);
    }
    return anchors;
}

QStringList HrefsOf(const QString &html)
{
    static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList hrefs;
    for (const QRegularExpressionMatch &m : href.globalMatch(html))
        hrefs << m.captured(1);
    return hrefs;
}

QStringList HelpPages()
{
    return QDir(HelpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

} // namespace

class TestHelpPages : public ProgramTest
{
    Q_OBJECT

private slots:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { stopProgram(); }

    void everyTopicTheProgramOpensHasItsPage()
    {
        SourceTopics found = ScanSources();
        QVERIFY2(found.unreadable.isEmpty(),
                 qPrintable(QStringLiteral("help topics this test cannot read: ") + found.unreadable.join(u", ")));
        // The main window's menus carry the topics of their items for F1.
        const auto ownTopic = [&found](const QObject *item) {
            if (const int topic = item->property("helpTopic").toInt())
                found.topics.insert(topic);
        };
        for (const QMenu *menu : window_->findChildren<QMenu *>())
            ownTopic(menu);
        for (const QAction *action : window_->findChildren<QAction *>())
            ownTopic(action);
        // Each way of naming a topic was read: a constant, a literal call, a
        // window's helpTopic(), a window's field, a menu item.
        for (int topic : {15, 12015, 5350, 300, 70, 12030, 52})
            QVERIFY2(found.topics.contains(topic), qPrintable(QString::number(topic)));

        QStringList missing;
        for (int topic : std::as_const(found.topics))
            if (!QFile::exists(HelpFolder() + QStringLiteral("/%1.html").arg(topic)))
                missing << QString::number(topic);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no page for topics ") + missing.join(u", ")));
    }

    void everyLinkBetweenPagesReachesAPageAndItsSection()
    {
        const QStringList pages = HelpPages();
        QVERIFY(pages.contains(QStringLiteral("12015.html")));
        QHash<QString, QSet<QString>> anchors;
        for (const QString &page : pages)
            anchors.insert(page, AnchorsOf(ReadText(HelpFolder() + u'/' + page)));
        QStringList broken;
        int links = 0;
        for (const QString &page : pages) {
            for (const QString &href : HrefsOf(ReadText(HelpFolder() + u'/' + page))) {
                if (href.startsWith(QStringLiteral("mailto:")) || href.startsWith(QStringLiteral("http")))
                    continue;
                ++links;
                const qsizetype hash = href.indexOf(u'#');
                const QString target = hash < 0 ? href : href.left(hash);
                const QString section = hash < 0 ? QString() : href.mid(hash + 1);
                const QString targetPage = target.isEmpty() ? page : target;
                // A page of the help folder, named as the help window resolves it.
                if (!pages.contains(targetPage))
                    broken << page + QStringLiteral(" → ") + href;
                else if (!section.isEmpty() && !anchors.value(targetPage).contains(section))
                    broken << page + QStringLiteral(" → ") + href + QStringLiteral(" (no such section)");
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u"; ")));
        QVERIFY(links > 50);
    }

    void theMainWindowsPageLeadsToEverySectionOfTheGuide()
    {
        static const QRegularExpression section(QStringLiteral("<h2\\s+id=\"([^\"]+)\""));
        const QString guide = ReadText(HelpFolder() + QStringLiteral("/12015.html"));
        const QStringList fromMain = HrefsOf(ReadText(HelpFolder() + QStringLiteral("/15.html")));
        QStringList unreached;
        int sections = 0;
        for (const QRegularExpressionMatch &m : section.globalMatch(guide)) {
            ++sections;
            if (!fromMain.contains(QStringLiteral("12015.html#") + m.captured(1)))
                unreached << m.captured(1);
        }
        QVERIFY(sections >= 12);
        QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(u", ")));
    }

    void theHelpWindowFollowsALinkToASection()
    {
        QtHelpService help(HelpFolder());
        help.showTopic(15);
        QTextBrowser *browser = help.window();
        QVERIFY(browser);
        browser->resize(640, 400);
        // What a click on the link does: the link resolved against the page shown.
        browser->setSource(browser->source().resolved(QUrl(QStringLiteral("12015.html#permille"))));
        QCOMPARE(browser->source().fileName(), QStringLiteral("12015.html"));
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("ΙΣΟΠΟΣΑ")));
        help.closeAll();
    }
};

KV_TEST_MAIN(TestHelpPages)

} // namespace test_helppages
#include "test_helppages.moc"
