// printreport FILE.s43 REPORT [NUMBER] OUT.pdf
//
// A developer tool: opens a data file (blank password only), runs the named
// report's command sequence answering every question Yes, and prints every
// page of the report through its window's layout and paint code onto the
// built-in "PDF" printer, writing OUT.pdf. NUMBER names the issue or the
// payment as its list window numbers it (α/α, from 1). Exit 0 on success; 1
// with the stop's message on standard error.

#include "printreport.h"

#include "core/datafile.h"
#include "core/workstate.h"
#include "platform/localeservice.h"
#include "platform/qtprinterservice.h"

#include <QApplication>
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
    void showTopic(int, const QString &) override {}
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
        names.append(entry.takesNumber ? entry.name + QStringLiteral(" NUMBER") : entry.name);
    return names.join(QStringLiteral(", "));
}

QString usage()
{
    return QStringLiteral("printreport FILE.s43 REPORT [NUMBER] OUT.pdf\nReports: ") + reportNames()
           + QStringLiteral("\nNUMBER: the issue's or the payment's number (α/α) as the issues or the payments "
                            "window lists it, from 1.");
}

bool openDataFile(AppState &state, const QString &path, QString &error)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    DataFileOpening opening = OpenDataFile(path);
    if (!opening.reader) {
        error = DataFileMessages::unreadableFile(fullPath, opening.problem);
        return false;
    }
    DataFileReader &reader = *opening.reader;
    const int version = reader.CheckDataFileVersion();
    if (version < 0) {
        error = DataFileMessages::foreignFile(fullPath);
        return false;
    }
    if (!UnpackPassword(reader.PackedPassword()).isBlank()) {
        error = QStringLiteral("Το αρχείο ") + fullPath + QStringLiteral(" έχει κωδικό πρόσβασης.");
        return false;
    }
    if (!ReadIntoStaging(state, reader, version)) {
        ClearStaging(state);
        error = DataFileMessages::damagedFile(fullPath);
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
        return fail(usage());
    const QString reportName = args.at(1);
    const auto &entries = PrintReportEntries();
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const PrintReportEntry &e) { return e.name == reportName; });
    if (entry == entries.end())
        return fail(QStringLiteral("Unknown report ") + reportName + QStringLiteral("\n") + usage());
    if (args.size() != (entry->takesNumber ? 4 : 3))
        return fail(usage());
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
    const QString number = entry->takesNumber ? args.at(2) : QString();
    PrintReportRun run{state, platform, PrintingContext{state, platform}, number, -1, output};
    if (!entry->run(run))
        return fail(messages.last.isEmpty() ? QStringLiteral("Η εκτύπωση δεν έγινε.") : messages.last);
    return 0;
}
