#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace kelvarino {

// The generic choice dialog: title, icon, word-wrapped paragraphs, an optional
// list of items and option buttons with one preselected.
struct ChoiceRequest
{
    enum Icon { Question = 0, Information = 1, Exclamation = 2, Critical = 3 };
    QString title;
    int icon = Question;
    QStringList lines;
    QStringList items;
    QStringList options;
    int defaultOption = 0;
    friend bool operator==(const ChoiceRequest &, const ChoiceRequest &) = default;
};

class ChoiceService
{
public:
    virtual ~ChoiceService() = default;
    // The chosen option's index, or -1 when the dialog was closed without OK.
    virtual int ask(const ChoiceRequest &request) = 0;
};

class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    virtual bool hasText() const = 0;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void clear() = 0;
};

// Opening a file, a mail address or a web page with the desktop's program;
// false when the desktop has no program for it. The program goes through
// desktopopening.h, which tells the user when that happens.
class DesktopService
{
public:
    virtual ~DesktopService() = default;
    virtual bool openUrl(const QUrl &url) = 0;
};

struct FileDialogRequest
{
    QString title;
    QString folder;
    QString filter; // Qt filter text, e.g. "Αρχεία κοινοχρήστων (*.s43)"
    QString defaultSuffix;
};

class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // The chosen full path, empty when cancelled.
    virtual QString openFile(const FileDialogRequest &request) = 0;
    // The chosen full path, empty when cancelled; asks before overwriting.
    virtual QString saveFile(const FileDialogRequest &request) = 0;
    // A colour as 0x00BBGGRR, nothing when cancelled.
    virtual std::optional<quint32> chooseColour(quint32 initial) = 0;
};

// Our own help pages, one per topic number.
class HelpService
{
public:
    virtual ~HelpService() = default;
    // Shows the topic's page at the section named (an anchor of the page), or
    // at its top when none is named.
    virtual void showTopic(int topic, const QString &section) = 0;
    void showTopic(int topic) { showTopic(topic, QString()); }
    virtual void closeAll() = 0;
};

// Test doubles: they record and answer from scripts.
class ScriptedChoiceService final : public ChoiceService
{
public:
    int ask(const ChoiceRequest &request) override
    {
        asked.append(request);
        return script.isEmpty() ? request.defaultOption : script.takeFirst();
    }
    QList<ChoiceRequest> asked;
    QList<int> script;
};

class MemoryClipboard final : public ClipboardService
{
public:
    bool hasText() const override { return !content.isEmpty(); }
    QString text() const override { return content; }
    void setText(const QString &text) override { content = text; }
    void clear() override { content.clear(); }
    QString content;
};

class RecordingDesktopService final : public DesktopService
{
public:
    bool openUrl(const QUrl &url) override
    {
        opened.append(url);
        return !refuses;
    }
    QList<QUrl> opened;
    bool refuses = false; // as a desktop without a program for what it is asked to open
};

class ScriptedFileDialogs final : public FileDialogService
{
public:
    QString openFile(const FileDialogRequest &request) override
    {
        openRequests.append(request);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFile(const FileDialogRequest &request) override
    {
        saveRequests.append(request);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    std::optional<quint32> chooseColour(quint32) override
    {
        if (colourAnswers.isEmpty())
            return std::nullopt;
        return colourAnswers.takeFirst();
    }
    QList<FileDialogRequest> openRequests, saveRequests;
    QStringList openAnswers, saveAnswers;
    QList<quint32> colourAnswers;
};

class RecordingHelpService final : public HelpService
{
public:
    using HelpService::showTopic;
    void showTopic(int topic, const QString &section) override
    {
        topics.append(topic);
        sections.append(section);
    }
    void closeAll() override { ++closeAllCount; }
    QList<int> topics;
    QStringList sections; // of the topics, in step; empty for a page's top
    int closeAllCount = 0;
};

} // namespace kelvarino
