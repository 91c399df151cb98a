// The help pages against the program: every topic the program opens has its
// page, every link between pages reaches a page and a section that exist, and
// the main window's page leads to every section of the guide to the data
// windows in one link, and F1 opens each window's topic at the window's own
// section.

#include "accounts/expensechangedialog.h"
#include "accounts/expensefilterdialog.h"
#include "accounts/expenseswindow.h"
#include "accounts/paymentchangedialog.h"
#include "accounts/paymentswindow.h"
#include "issues/issuechangedialog.h"
#include "issues/issueswindow.h"
#include "platform/qthelpservice.h"
#include "printing/pagesetupdialog.h"
#include "printing/reportpreview.h"
#include "register/windowopener.h"
#include "shell/reportopeners.h"

#include "modalwindow.h"
#include "programtest.h"
#include "testprogram.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <functional>
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
    QHash<int, QSet<QString>> sections; // named with their topic in a call
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

void Note(SourceTopics &found, const QString &value, const QString &where, const QString &section = {})
{
    bool number = false;
    const int topic = value.toInt(&number);
    if (number) {
        if (topic != 0) // 0 stands for "no topic"
            found.topics.insert(topic);
        if (!section.isEmpty())
            found.sections[topic].insert(section);
    } else if (!IsForwarded(value)) {
        found.unreadable << where + QStringLiteral(": ") + value;
    }
}

// A call's topic and, when it is written out, its section: showTopic(5305,
// QStringLiteral("pagesetup")); a section handed on is checked where F1 is
// pressed in each window.
void NoteCall(SourceTopics &found, const QString &arguments, const QString &where)
{
    static const QRegularExpression literal(QStringLiteral("^QStringLiteral\\(\"([^\"]*)\"\\)$"));
    const qsizetype comma = arguments.indexOf(u',');
    if (comma < 0) {
        Note(found, arguments, where);
        return;
    }
    const QString topic = arguments.left(comma).trimmed();
    const QString section = arguments.mid(comma + 1).trimmed();
    const QRegularExpressionMatch named = literal.match(section);
    Note(found, topic, where, named.hasMatch() ? named.captured(1) : QString());
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
                NoteCall(found, m.captured(1), where);
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

const QString ExampleName = QStringLiteral("Πολυκατοικία Παραδείγματος.s43");

// The topmost visible button of a window with a caption.
QPushButton *FirstButton(const QWidget *window, const QString &caption)
{
    QPushButton *first = nullptr;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->text() == caption && b->isVisible() && (!first || b->y() < first->y()))
            first = b;
    return first;
}

} // namespace

class TestHelpPages : public ProgramTest
{
    Q_OBJECT

    void closeDataWindows()
    {
        for (DataWindow *open : window_->childWindows())
            QVERIFY2(CloseDataWindow(open), qPrintable(open->windowTitle()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // F1 in the data window that a main menu command opens.
    std::function<void()> inDataWindow(const char *command)
    {
        return [this, command] {
            window_->runCommand(QString::fromLatin1(command));
            QVERIFY2(!window_->childWindows().isEmpty(), command);
            QTest::keyClick(window_.get(), Qt::Key_F1);
            closeDataWindows();
        };
    }

    // F1 in the modal window M that `open` opens from the data window L.
    template <class L, class M>
    std::function<void()> inModalOf(const char *command, std::function<void(L *)> open)
    {
        return [this, command, open] {
            window_->runCommand(QString::fromLatin1(command));
            L *list = openWindow<L>();
            QVERIFY2(list, command);
            {
                const auto modal = OnModal<M>([](M *m) { QTest::keyClick(m, Qt::Key_F1); });
                open(list);
            }
            closeDataWindows();
        };
    }

    // `act` in the report that the first issue row's button opens; F1 first.
    std::function<void()> inReport(const char *button, std::function<void(ReportPreview *)> act)
    {
        return [this, button, act] {
            window_->runCommand(QStringLiteral("issues"));
            auto *issues = openWindow<IssuesWindow>();
            QVERIFY(issues);
            QPushButton *first = FirstButton(issues, QString::fromUtf8(button));
            QVERIFY2(first, button);
            {
                const auto modal = OnModal<ReportPreview>([act](ReportPreview *preview) {
                    QTest::keyClick(preview, Qt::Key_F1);
                    act(preview);
                });
                QTest::mouseClick(first, Qt::LeftButton);
            }
            closeDataWindows();
        };
    }

private slots:
    // The example building, in which every window with a help topic opens.
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QString path = dir_.filePath(ExampleName);
        QVERIFY(QFile::copy(QStringLiteral(KV_SOURCE_DIR "/examples/") + ExampleName, path));
        state_.CommandLinePath = path;
        startProgram(QSize(1280, 800));
        QCOMPARE(state_.DataFileName, ExampleName);
    }

    void cleanupTestCase()
    {
        stopProgram();
        ProgramReportOpeners() = {};
    }

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
        // A section named with its topic is one of the topic's page.
        QVERIFY(found.sections.value(5305).contains(QStringLiteral("pagesetup")));
        QStringList unknown;
        for (auto it = found.sections.cbegin(); it != found.sections.cend(); ++it) {
            const QSet<QString> anchors = AnchorsOf(ReadText(HelpFolder() + QStringLiteral("/%1.html").arg(it.key())));
            for (const QString &section : it.value())
                if (!anchors.contains(section))
                    unknown << QStringLiteral("%1#%2").arg(it.key()).arg(section);
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(QStringLiteral("no such section: ") + unknown.join(u", ")));
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

    // F1 opens each window's topic at the window's own section of its page.
    void f1OpensEachWindowsTopicAtItsSection()
    {
        struct Case
        {
            const char *window;
            std::function<void()> pressF1; // in the window, opened for it and closed after
            const char *place;             // "topic#section", "topic" for a page's top, "" for none
        };
        const auto change = [](auto *list) { list->openRow(0); };
        const auto preview = [](ReportPreview *) {};
        const Case cases[] = {
            {"main window", [this] { QTest::keyClick(window_.get(), Qt::Key_F1); }, "15"},
            {"flats", inDataWindow("flats"), ""},
            {"owners", inDataWindow("owners"), "300#owners"},
            // (a category whose per-mille values let the window close without a question)
            {"per-mille", inDataWindow("categoryPerMille(1)"), "12015#permille"},
            {"expenses", inDataWindow("expenses"), "12015#expenses"},
            {"payments", inDataWindow("payments"), "12015#payments"},
            {"issues", inDataWindow("issues"), "12015#issues"},
            {"expense change", inModalOf<ExpensesWindow, ExpenseChangeDialog>("expenses", change), "300#change"},
            {"payment change", inModalOf<PaymentsWindow, PaymentChangeDialog>("payments", change), "300#change"},
            {"issue change", inModalOf<IssuesWindow, IssueChangeDialog>("issues", change),
             "300#change"},
            {"expense filters",
             inModalOf<ExpensesWindow, ExpenseFilterDialog>("expenses", [](ExpensesWindow *l) { l->setFilters(); }),
             "5305#filters"},
            {"collective statement", inReport("Συγκεντρωτική", preview), "5020#statement"},
            {"notifications", inReport("Ειδοποιητήρια", preview), "5020#notifications"},
            {"page setup over the notifications", inReport("Ειδοποιητήρια", [](ReportPreview *p) {
                 const auto setup = OnModal<PageSetupDialog>([](PageSetupDialog *d) { QTest::keyClick(d, Qt::Key_F1); });
                 p->action(QStringLiteral("pageSetup"))->trigger();
             }), "5020#notifications 5305#pagesetup"},
        };
        for (const Case &c : cases) {
            doubles_.help.topics.clear();
            doubles_.help.sections.clear();
            c.pressF1();
            QStringList places;
            for (qsizetype k = 0; k < doubles_.help.topics.size(); ++k) {
                const QString section = doubles_.help.sections.value(k);
                places << QString::number(doubles_.help.topics[k]) + (section.isEmpty() ? QString() : u'#' + section);
            }
            QVERIFY2(places.join(u' ') == QString::fromUtf8(c.place),
                     qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(c.window), places.join(u' '))));
            // Each section is one of its page's.
            for (const QString &place : std::as_const(places)) {
                const qsizetype hash = place.indexOf(u'#');
                if (hash > 0) {
                    const QString page = HelpFolder() + u'/' + place.left(hash) + QStringLiteral(".html");
                    QVERIFY2(AnchorsOf(ReadText(page)).contains(place.mid(hash + 1)), qPrintable(place));
                }
            }
        }
        QVERIFY(doubles_.messages.shown.isEmpty());
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
