#include "platform/qttranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace kelvarino {

bool installToolkitTranslation()
{
    // Lives as long as the application; a second call keeps the first one.
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto *loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral(":/translations/qtbase_el.qm")) || !QCoreApplication::installTranslator(loaded)) {
        delete loaded;
        return false;
    }
    translator = loaded;
    return true;
}

} // namespace kelvarino
