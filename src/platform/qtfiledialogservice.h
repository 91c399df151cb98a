#pragma once

#include "platform/desktopservices.h"

#include <QPointer>
#include <QWidget>

namespace kelvarino {

// The desktop's open, save and colour dialogs.
class QtFileDialogService final : public FileDialogService
{
public:
    QString openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;
    std::optional<quint32> chooseColour(quint32 initial) override;
    void setOwner(QWidget *owner) { owner_ = owner; }

private:
    QPointer<QWidget> owner_;
};

} // namespace kelvarino
