#include "platform/textviewer.h"

#include "platform/codepage1253.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kelvarino {

TextViewer::TextViewer(QWidget *parent) : QDialog(parent), view_(new QPlainTextEdit(this))
{
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Fixed-width columns line up only in a fixed-pitch font.
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(900, 600);
}

bool TextViewer::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = Cp1253::decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    view_->setPlainText(text);
    setWindowTitle(QFileInfo(path).fileName());
    return true;
}

QString TextViewer::text() const
{
    return view_->toPlainText();
}

TextViewer *TextViewer::showFile(const QString &path, QWidget *parent)
{
    auto *viewer = new TextViewer(parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    if (!viewer->loadFile(path)) {
        delete viewer;
        return nullptr;
    }
    viewer->showMaximized();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace kelvarino
