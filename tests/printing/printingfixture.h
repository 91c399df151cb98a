#pragma once

#include "core/appstate.h"
#include "core/workstate.h"
#include "fixturereport.h"
#include "platform/platform.h"
#include "printing/printingcontext.h"
#include "printing/reportpreview.h"

#include <QLayout>
#include <QProcess>
#include <QStringList>

#include <memory>

namespace kelvarino {

// A new work with the built-in PDF printer as program and system printer,
// printing possible, the dialogs scripted and the fixture report.
struct PrintingFixture
{
    PrintingFixture()
    {
        ResetToNewWork(state);
        state.ProgramPrinter = state.SystemPrinter = BuiltInPdfPrinterName();
        state.PrintingPossible = true;
        state.PreferredFont = QStringLiteral("Arial Greek");
    }
    PrintingContext context() { return PrintingContext{state, doubles.platform(), &dialogs}; }
    PrintSetting &slot() { return state.Building.PrintSettings[report.slotNumber]; }
    // The preview opened at a given size of the whole window (pixels).
    std::unique_ptr<ReportPreview> open(QSize windowSize = QSize(1000, 760))
    {
        auto preview = std::make_unique<ReportPreview>(context(), report);
        preview->load();
        preview->resize(windowSize);
        preview->layout()->activate();
        preview->prepareWindow();
        preview->drawCenteredPage();
        return preview;
    }

    AppState state;
    TestPlatform doubles;
    ScriptedPrintingDialogs dialogs{state, doubles.platform()};
    FixtureReport report;
};

// The text of each page of a PDF file, read with pdftotext.
inline QStringList PdfPages(const QString &path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    int pages = 0;
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            pages = line.mid(6).trimmed().toInt();
    QStringList texts;
    for (int page = 1; page <= pages; ++page) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                 QString::number(page), QStringLiteral("-layout"), path,
                                                 QStringLiteral("-")});
        text.waitForFinished();
        texts.append(QString::fromUtf8(text.readAllStandardOutput()));
    }
    return texts;
}

} // namespace kelvarino
