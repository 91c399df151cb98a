#include "platform/qtclipboardservice.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace kelvarino {

bool QtClipboardService::hasText() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// The program reads a line break on the clipboard as CR LF, as a spreadsheet
// on Windows leaves it; a Linux desktop ends lines with a lone LF, which would
// otherwise turn a pasted column of names into one name.
QString ClipboardLinesAsCrLf(const QString &text)
{
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            lines += QLatin1Char('\r');
        lines += text[i];
    }
    return lines;
}

QString QtClipboardService::text() const { return ClipboardLinesAsCrLf(QGuiApplication::clipboard()->text()); }

void QtClipboardService::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

void QtClipboardService::clear() { QGuiApplication::clipboard()->clear(); }

} // namespace kelvarino
