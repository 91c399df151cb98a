#include "register/amountentry.h"

#include "core/formatting.h"

#include <cmath>
#include <limits>

namespace kelvarino {

bool ReadTypedAmount(const QString &text, float &value)
{
    const double number = ParseTypedNumber(text);
    if (!std::isfinite(number) || std::fabs(number) > double(std::numeric_limits<float>::max()))
        return false;
    value = float(number);
    return true;
}

bool DiffersEnough(float stored, float typed)
{
    const float difference = stored - typed;
    return std::fabs(difference) > 0.005f;
}

QString AmountDisplay(float value)
{
    return value == 0.0f ? QString() : FormatAmount(value, 2, true);
}

} // namespace kelvarino
