#include "shell/dialogchoiceservice.h"

#include "shell/choicedialog.h"

#include "platform/qtmodalcursor.h"

#include <QApplication>

namespace kelvarino {

int DialogChoiceService::ask(const ChoiceRequest &request)
{
    ChoiceDialog dialog(request, help_, owner_);
    const QtModalCursor pointer;
    dialog.exec();
    return dialog.answer();
}

} // namespace kelvarino
