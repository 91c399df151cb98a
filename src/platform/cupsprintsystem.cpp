#include "platform/cupsprintsystem.h"

#include <cups/cups.h>

#include <QPageSize>
#include <QRegularExpression>
#include <QSizeF>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace kelvarino {

namespace {

// A connection of our own to the print system, so that its waits can be
// bounded: when the server stays silent for the limit, the library's wait
// asks giveUp, which ends it.
class Connection
{
public:
    explicit Connection(double silenceSeconds)
        : http_(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             int(silenceSeconds * 1000), nullptr))
    {
        if (http_)
            httpSetTimeout(http_, silenceSeconds, &Connection::giveUp, this);
    }
    ~Connection()
    {
        if (http_)
            httpClose(http_);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    http_t *http() const { return http_; }
    bool silent() const { return silent_; }

private:
    static int giveUp(http_t *, void *self)
    {
        static_cast<Connection *>(self)->silent_ = true;
        return 0;
    }

    http_t *http_;
    bool silent_ = false;
};

// The program asks nobody for a print system's password: a server that asks
// for one is answered with none instead of a prompt on the terminal, and its
// refusal is what the user is shown.
const char *noPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

QString deviceName(const cups_dest_t &dest)
{
    QString name = QString::fromLocal8Bit(dest.name);
    if (dest.instance)
        name += QLatin1Char('/') + QString::fromLocal8Bit(dest.instance);
    return name;
}

// What the print system says of one printer beside the list: its own words
// on its state (e.g. why it rejects jobs) and its papers.
struct PrinterDetails
{
    QString stateMessage;
    PrinterPapers papers;
};

PrinterDetails printerDetails(http_t *http, const char *printerUri)
{
    PrinterDetails details;
    if (!printerUri)
        return details;
    static const char *const wanted[] = {"printer-state-message", "media-default", "media-supported"};
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)),
                  nullptr, wanted);
    ipp_t *response = cupsDoRequest(http, request, "/");
    if (!response)
        return details;
    if (ipp_attribute_t *attribute = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        details.stateMessage = QString::fromUtf8(ippGetString(attribute, 0, nullptr)).trimmed();
    if (ipp_attribute_t *attribute = ippFindAttribute(response, "media-default", IPP_TAG_ZERO))
        details.papers.defaultCode = PaperCodeOfMedia(QString::fromUtf8(ippGetString(attribute, 0, nullptr)));
    if (ipp_attribute_t *attribute = ippFindAttribute(response, "media-supported", IPP_TAG_ZERO)) {
        for (int i = 0; i < ippGetCount(attribute); ++i) {
            const int code = PaperCodeOfMedia(QString::fromUtf8(ippGetString(attribute, i, nullptr)));
            if (code > 0 && !details.papers.supported.contains(code))
                details.papers.supported.append(code);
        }
    }
    ippDelete(response);
    return details;
}

} // namespace

int PaperCodeOfMedia(const QString &media)
{
    // A self-describing name ends in the size: "iso_a4_210x297mm", "na_letter_8.5x11in".
    static const QRegularExpression sized(QStringLiteral("_([0-9.]+)x([0-9.]+)(mm|in)$"));
    QPageSize size;
    if (const QRegularExpressionMatch match = sized.match(media); match.hasMatch()) {
        const QPageSize::Unit unit = match.captured(3) == QStringLiteral("in") ? QPageSize::Inch : QPageSize::Millimeter;
        size = QPageSize(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()), unit, QString(),
                         QPageSize::FuzzyMatch);
    } else {
        // An older name of the paper itself: "A4", "Letter".
        for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
            if (QPageSize::key(QPageSize::PageSizeId(id)).compare(media, Qt::CaseInsensitive) == 0) {
                size = QPageSize(QPageSize::PageSizeId(id));
                break;
            }
        }
    }
    if (!size.isValid() || size.id() == QPageSize::Custom)
        return 0;
    return std::max(0, size.windowsId());
}

PrinterList ReadPrintSystemPrinters(double silenceSeconds)
{
    cupsSetPasswordCB2(noPassword, nullptr);
    PrinterList list;
    list.answered = false;
    const Connection connection(silenceSeconds);
    // A print system that cannot be reached has said nothing of its printers.
    if (!connection.http())
        return list;
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    for (int i = 0; i < count && !connection.silent(); ++i) {
        const cups_dest_t &dest = dests[i];
        const QString name = deviceName(dest);
        list.names.append(name);
        if (dest.is_default)
            list.defaultName = name;
        const PrinterDetails details = printerDetails(
            connection.http(), cupsGetOption("printer-uri-supported", dest.num_options, dest.options));
        list.papers.insert(name, details.papers);
        const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
        if (accepting && std::strcmp(accepting, "false") == 0)
            list.refusing.insert(name, details.stateMessage);
    }
    cupsFreeDests(count, dests);
    // An empty list is an answer only when the print system gave it ("not
    // found" is its answer of no printers).
    const ipp_status_t status = cupsLastError();
    if (connection.silent()
        || (count == 0 && status > IPP_STATUS_OK_EVENTS_COMPLETE && status != IPP_STATUS_ERROR_NOT_FOUND))
        return PrinterList{{}, {}, {}, false, {}};
    list.answered = true;
    return list;
}

PrintSystemAnswer SubmitToPrintSystem(const PrintSystemJob &job, double silenceSeconds)
{
    cupsSetPasswordCB2(noPassword, nullptr);
    const Connection connection(silenceSeconds);
    if (!connection.http())
        return {false, false, QString::fromUtf8(cupsLastErrorString())};
    // The options a desktop print job of the toolkit carries: the paper by
    // name, the copies collated, and the orientation of the laid-out pages.
    cups_option_t *options = nullptr;
    int optionCount = cupsAddOption("media", job.media.toUtf8().constData(), 0, &options);
    if (job.copies > 1) {
        optionCount = cupsAddOption("copies", QByteArray::number(job.copies).constData(), optionCount, &options);
        optionCount = cupsAddOption("Collate", "True", optionCount, &options);
    }
    if (job.landscape)
        optionCount = cupsAddOption("landscape", "", optionCount, &options);
    // The queue takes the job; an instance only names a set of options.
    const QByteArray queue = job.printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const int id = cupsPrintFile2(connection.http(), queue.constData(), job.file.toLocal8Bit().constData(),
                                  job.title.toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (id > 0)
        return {true, false, {}};
    QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (reason.isEmpty())
        reason = QStringLiteral("IPP 0x%1").arg(int(cupsLastError()), 4, 16, QLatin1Char('0'));
    return {false, connection.silent(), reason};
}

} // namespace kelvarino
