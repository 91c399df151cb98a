#include "core/datafile.h"
#include "platform/localeservice.h"

#include <QApplication>
#include <QFile>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kelvarino::LocaleService::installGreekLocale();
    QLabel placeholder(QStringLiteral("Κελβαρίνο/v2.2/2016"));
    placeholder.setMinimumSize(480, 200);
    placeholder.setAlignment(Qt::AlignCenter);
    placeholder.setWindowTitle(QStringLiteral("Κελβαρίνο/v2.2/2016 - Νέο"));
    placeholder.show();
    return app.exec();
}
