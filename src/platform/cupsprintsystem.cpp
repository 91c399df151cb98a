#include "platform/cupsprintsystem.h"

#include <cups/cups.h>

#include <cstring>

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

// The list is read where nobody can type a password: a server that asks for
// one is answered with none instead of a prompt on the terminal.
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

// The print system's own words on a printer's state, e.g. why it rejects jobs.
QString stateMessage(http_t *http, const char *printerUri)
{
    if (!printerUri)
        return {};
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t *response = cupsDoRequest(http, request, "/");
    QString message;
    if (response) {
        if (ipp_attribute_t *attribute = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
            message = QString::fromUtf8(ippGetString(attribute, 0, nullptr)).trimmed();
        ippDelete(response);
    }
    return message;
}

} // namespace

PrinterList ReadPrintSystemPrinters(double silenceSeconds)
{
    cupsSetPasswordCB2(noPassword, nullptr);
    PrinterList list;
    const Connection connection(silenceSeconds);
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
        const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
        if (accepting && std::strcmp(accepting, "false") == 0)
            list.refusing.insert(name, stateMessage(connection.http(), cupsGetOption("printer-uri-supported",
                                                                                     dest.num_options, dest.options)));
    }
    cupsFreeDests(count, dests);
    if (connection.silent())
        return {{}, {}, {}, false};
    return list;
}

PrintSystemAnswer SubmitToPrintSystem(const PrintSystemJob &job, double silenceSeconds)
{
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
