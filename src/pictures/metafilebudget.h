#pragma once

#include "pictures/metafilereader.h"

#include <QElapsedTimer>

namespace kelvarino {

// What one reading of a metafile may cost. The work, counted in the painter's
// pixels (MetafileLimits::MaxWork), alone decides whether a picture is drawn,
// so the answer depends on the file and the size asked for, never on how busy
// the machine is. The clock is only a last guard, far above any reading the
// work bound admits.
class MetafileBudget
{
public:
    MetafileBudget() { clock_.start(); }

    // Adds `work`; false once the reading's work has passed its bound.
    bool spend(double work)
    {
        // A sum that is not a number can only come from a broken count: refused.
        spent_ += work >= 0 ? work : MetafileLimits::MaxWork + 1;
        return spent_ <= MetafileLimits::MaxWork;
    }
    double spent() const { return spent_; }

    // False once the reading has run past its last guard of time.
    bool inTime() const { return clock_.elapsed() <= MetafileLimits::MaxMilliseconds; }

private:
    QElapsedTimer clock_;
    double spent_ = 0;
};

} // namespace kelvarino
