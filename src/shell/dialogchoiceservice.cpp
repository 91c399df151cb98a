#include "shell/dialogchoiceservice.h"

#include "shell/dialogfrm.h"

#include "platform/qtmodalcursor.h"

#include <QApplication>

namespace kelvarino {

int DialogChoiceService::ask(const ChoiceRequest &request)
{
    dialogfrm dialog(request, help_, owner_);
    const QtModalCursor pointer;
    dialog.exec();
    return dialog.answer();
}

} // namespace kelvarino
