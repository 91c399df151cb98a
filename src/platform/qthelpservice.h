#pragma once

#include "platform/desktopservices.h"

#include <QPointer>
#include <QString>
#include <QTextBrowser>


namespace kelvarino {

// Shows the program's own help pages, one HTML page per topic number
// ("<topic>.html" in the help folder), in one help window.
class QtHelpService final : public HelpService
{
public:
    explicit QtHelpService(QString helpFolder);
    ~QtHelpService() override;

    void showTopic(int topic) override;
    void closeAll() override;

    QString pagePath(int topic) const;
    // The open help window, if any.
    QTextBrowser *window() const { return window_; }

private:
    QString folder_;
    QPointer<QTextBrowser> window_;
};

} // namespace kelvarino
