#include "platform/qtmessageservice.h"

#include "platform/qtmodalcursor.h"
#include "platform/titlewidth.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace kelvarino {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The answer of a box closed with Escape or its close box: Cancel where there
// is one, otherwise No, otherwise OK.
MessageAnswer escapeAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: break;
    }
    return MessageAnswer::Cancel;
}

// The buttons' captions in the program's language (Qt ships no Greek ones).
void setGreekButtonTexts(QMessageBox &box)
{
    const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Άκυρο"}, {QMessageBox::Yes, "Ναι"}, {QMessageBox::No, "Όχι"}};
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *b = box.button(button))
            b->setText(QString::fromUtf8(caption));
    }
}

} // namespace

MessageAnswer QtMessageService::show(const MessageRequest &request)
{
    QWidget *owner = owner_ ? owner_.data() : QApplication::activeWindow();
    TitledMessageBox box(boxIcon(request.icon), request.title, request.text, boxButtons(request.buttons), owner);
    setGreekButtonTexts(box);
    box.setDefaultButton(boxButton(request.defaultAnswer));
    if (request.escapeCancels && !box.button(QMessageBox::Cancel)) {
        // A Cancel kept out of sight, so the box shows only its own buttons.
        QAbstractButton *cancel = box.addButton(QMessageBox::Cancel);
        cancel->hide();
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(boxButton(escapeAnswer(request.buttons)));
    }
    const QtModalCursor pointer;
    const int clicked = box.exec();
    switch (clicked) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

} // namespace kelvarino
