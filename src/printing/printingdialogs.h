#pragma once

#include "printing/printingcontext.h"

namespace kelvarino {

// The real dialogs of the report windows, shown modally over the context's
// owner window.
class QtPrintingDialogs final : public PrintingDialogs
{
public:
    explicit QtPrintingDialogs(const PrintingContext &context) : context_(context) {}
    PrintChoice askPrintParameters(int pageRows, int pageColumns) override;
    bool pageSetup(int slot) override;
    bool realMagnification(int slot) override;
    bool expenseColumns(int slot) override;
    void fontOverview() override;

private:
    PrintingContext context_;
};

} // namespace kelvarino
