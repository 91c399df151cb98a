#pragma once

#include "platform/printerservice.h"

#include <QString>
#include <QStringList>

namespace kelvarino {

// The desktop's print system, asked through its own client library. Every
// question gives up when the print system stays silent for silenceSeconds at
// a time, so a print server that accepts the connection and never replies
// cannot hold the caller for long.

// The print system's printers (without the built-in one), its default
// printer, the printers that take no jobs now with their reasons, and each
// printer's papers. A print system that stays silent or cannot be reached at
// all is reported as not answering.
PrinterList ReadPrintSystemPrinters(double silenceSeconds);

// The printer paper code of a paper as the print system names it, by its
// self-describing name ("iso_a4_210x297mm") or its older one ("A4"); 0 for a
// paper that has no code.
int PaperCodeOfMedia(const QString &media);

// A laid-out PDF file handed to a printer of the print system.
struct PrintSystemJob
{
    QString printer; // a device name, possibly "queue/instance"
    QString file;
    QString title;
    QString media; // the paper's name as the print system knows it, e.g. "A4"
    bool landscape = false;
    int copies = 1;
};

// What became of a job handed to the print system.
struct PrintSystemAnswer
{
    bool taken = false;  // the print system created the job
    bool silent = false; // it stopped answering on the way
    QString reason;      // its reason for not taking the job
};
PrintSystemAnswer SubmitToPrintSystem(const PrintSystemJob &job, double silenceSeconds);

} // namespace kelvarino
