#pragma once

#include <QList>
#include <QString>

namespace kelvarino {

enum class MessageIcon { None, Critical, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// One modal message box: its title, text, icon, buttons and the button that is
// preselected.
struct MessageRequest
{
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // Escape and the box's close box answer Cancel even where no Cancel
    // button is shown (otherwise they answer as that button, No or OK).
    bool escapeCancels = false;
    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};

// Every message box of the program goes through this service.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;

    // Shorthands for the common shapes.
    void error(const QString &title, const QString &text)
    {
        show({title, text, MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
    }
    void exclamation(const QString &title, const QString &text)
    {
        show({title, text, MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
    }
    void information(const QString &title, const QString &text)
    {
        show({title, text, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    }
};

// The test double: records every request and answers from a script (then with
// each request's preselected button).
class RecordingMessageService final : public MessageService
{
public:
    MessageAnswer show(const MessageRequest &request) override
    {
        shown.append(request);
        if (!script.isEmpty())
            return script.takeFirst();
        return request.defaultAnswer;
    }

    QList<MessageRequest> shown;
    QList<MessageAnswer> script;
};

} // namespace kelvarino
