#include "reportopeners.h"

namespace kelvarino {

ReportOpeners &ProgramReportOpeners()
{
    static ReportOpeners openers;
    return openers;
}

} // namespace kelvarino
