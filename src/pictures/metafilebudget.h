#pragma once

#include "pictures/metafilereader.h"

#include <QtGlobal>

#include <time.h>

namespace kelvarino {

// What one reading of a metafile may cost. The work, counted in the painter's
// pixels (MetafileLimits::MaxWork), alone decides whether a picture is drawn,
// so the answer depends on the file and the size asked for, never on how busy
// the machine is. The clock is only a last guard, far above any reading the
// work bound admits.
//
// The clock counts the processor time of the thread reading, not the time on
// the wall: a reading waiting for a processor shared with other busy programs
// has not worked any longer, and refusing it then would make the answer
// depend on the machine's load again. A reading is one thread's work from
// start to end (what the toolkit spreads over its own threads, converting an
// image, is bounded by the count).
class MetafileBudget
{
public:
    MetafileBudget() : start_(threadMilliseconds()) {}

    // Adds `work`; false once the reading's work has passed its bound.
    bool spend(double work)
    {
        // A sum that is not a number can only come from a broken count: refused.
        spent_ += work >= 0 ? work : MetafileLimits::MaxWork + 1;
        return spent_ <= MetafileLimits::MaxWork;
    }
    double spent() const { return spent_; }

    // False once the reading has run past its last guard of time. Reading
    // the thread's clock asks the system, which costs more than a small
    // record: it is read at every so many calls.
    bool inTime()
    {
        if (++calls_ % CallsBetweenClockReadings == 0)
            late_ = late_ || threadMilliseconds() - start_ > MetafileLimits::MaxMilliseconds;
        return !late_;
    }

private:
    static qint64 threadMilliseconds()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
    }

    static constexpr int CallsBetweenClockReadings = 32;

    qint64 start_;
    double spent_ = 0;
    qint64 calls_ = 0;
    bool late_ = false;
};

} // namespace kelvarino
