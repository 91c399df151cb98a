#include "printouts/tablemessages.h"

namespace kelvarino {

QString LayoutProblemTitle()
{
    return QStringLiteral("Πρόβλημα με την παρουσίαση των δεδομένων");
}

TableProblem RowTooTallProblem()
{
    return {QStringLiteral("Οι γραμμές του πίνακα είναι τόσο ψηλές που ούτε μία δεν χωράει στη σελίδα."),
            QStringLiteral("Μικρύνετε το ύψος των κελιών και επανέλθετε.")};
}

} // namespace kelvarino
