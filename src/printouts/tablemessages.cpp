#include "printouts/tablemessages.h"

namespace kelvarino {

QString LayoutProblemTitle()
{
    return QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων");
}

QString TableMessage(const QString &problem, const QString &advice)
{
    return problem + QStringLiteral("\r\n\r\n") + advice;
}

QString RowTooTallMessage()
{
    return TableMessage(QStringLiteral("Οι γραμμές του πίνακα είναι τόσο ψηλές που ούτε μία δεν χωράει στη σελίδα."),
                        QStringLiteral("Μικρύνετε το ύψος των κελιών και επανέλθετε."));
}

} // namespace kelvarino
