#pragma once

#include <QDateTime>

namespace kelvarino {

// Today's date and the current time; tests set their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime moment) : moment_(std::move(moment)) {}
    QDateTime now() const override { return moment_; }
    void set(QDateTime moment) { moment_ = std::move(moment); }

private:
    QDateTime moment_;
};

} // namespace kelvarino
