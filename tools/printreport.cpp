// printreport FILE.s43 REPORT [INDEX] OUT.pdf
//
// A developer tool: opens a data file (blank password only), runs the named
// report's command sequence answering every question Yes, and prints every
// page of the report through its window's layout and paint code onto the
// built-in "PDF" printer, writing OUT.pdf. Exit 0 on success; 1 with the
// stop's message on standard error.

#include "printreport.h"

#include "core/datafile.h"
#include "core/workstate.h"
#include "platform/localeservice.h"
#include "platform/qtprinterservice.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace kelvarino;

namespace {

// Answers every question Yes and keeps the last message for standard error.
class ToolMessages final : public MessageService
{
public:
    MessageAnswer show(const MessageRequest &request) override
    {
        last = request.text;
        switch (request.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        default:
            return MessageAnswer::Ok;
        }
    }
    QString last;
};

class ToolChoices final : public ChoiceService
{
public:
    int ask(const ChoiceRequest &request) override { return request.defaultOption; }
};

// The save dialog of the PDF printer answers the output file.
class ToolFileDialogs final : public FileDialogService
{
public:
    explicit ToolFileDialogs(QString output) : output_(std::move(output)) {}
    QString openFile(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return output_; }
    std::optional<quint32> chooseColour(quint32) override { return std::nullopt; }

private:
    QString output_;
};

class NoHelp final : public HelpService
{
public:
    void showTopic(int) override {}
    void closeAll() override {}
};

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

QString reportNames()
{
    QStringList names;
    for (const PrintReportEntry &entry : PrintReportEntries())
        names.append(entry.takesIndex ? entry.name + QStringLiteral(" INDEX") : entry.name);
    return names.join(QStringLiteral(", "));
}

bool openDataFile(AppState &state, const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Δεν μπορεί να διαβαστεί το αρχείο ") + path;
        return false;
    }
    DataFileReader reader(file.readAll());
    const int version = reader.CheckDataFileVersion();
    if (version < 0) {
        error = DataFileMessages::foreignFile(QFileInfo(path).absoluteFilePath());
        return false;
    }
    if (!UnpackPassword(reader.PackedPassword()).isBlank()) {
        error = QStringLiteral("Το αρχείο έχει κωδικό πρόσβασης.");
        return false;
    }
    if (!ReadIntoStaging(state, reader, version)) {
        ClearStaging(state);
        error = DataFileMessages::damaged();
        return false;
    }
    CommitLoaded(state);
    state.DataFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    state.DataFileName = QFileInfo(path).fileName();
    return true;
}

} // namespace

// Only the stop's message belongs on standard error: Qt's own notes about the
// headless platform stay quiet.
static void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietQtMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LocaleService::installGreekLocale();
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3 && args.size() != 4)
        return fail(QStringLiteral("printreport FILE.s43 REPORT [INDEX] OUT.pdf\nReports: ") + reportNames());
    const QString reportName = args.at(1);
    const auto &entries = PrintReportEntries();
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const PrintReportEntry &e) { return e.name == reportName; });
    if (entry == entries.end())
        return fail(QStringLiteral("Unknown report ") + reportName + QStringLiteral("; reports: ") + reportNames());
    int index = -1;
    if (entry->takesIndex) {
        bool ok = false;
        index = args.size() == 4 ? args.at(2).toInt(&ok) : -1;
        if (!ok || index < 0)
            return fail(QStringLiteral("The report ") + reportName + QStringLiteral(" needs an index."));
    } else if (args.size() != 3) {
        return fail(QStringLiteral("The report ") + reportName + QStringLiteral(" takes no index."));
    }
    const QString output = QFileInfo(args.last()).absoluteFilePath();

    AppState state;
    ResetToNewWork(state);
    QString error;
    if (!openDataFile(state, args.at(0), error))
        return fail(error);

    ToolMessages messages;
    ToolChoices choices;
    ToolFileDialogs fileDialogs(output);
    NoHelp help;
    SystemClock clock;
    QtPrinterService printers;
    printers.setCurrentPrinter(BuiltInPdfPrinterName());
    state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
    state.PrintingPossible = true;
    if (state.PreferredFont.isEmpty())
        state.PreferredFont = QStringLiteral("Arial Greek");

    Platform platform{&messages, &choices, nullptr, nullptr, &fileDialogs, &help, &clock, &printers};
    PrintReportRun run{state, platform, PrintingContext{state, platform}, index, output};
    if (!entry->run(run))
        return fail(messages.last.isEmpty() ? QStringLiteral("Η εκτύπωση δεν έγινε.") : messages.last);
    return 0;
}
