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

QString QtClipboardService::text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboardService::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

void QtClipboardService::clear() { QGuiApplication::clipboard()->clear(); }

} // namespace kelvarino
