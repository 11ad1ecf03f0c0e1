#pragma once
// The date and time written into files; tests fix it.
#include <string>

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime t) : t_(t) {}
    DateTime now() const override { return t_; }

private:
    DateTime t_;
};

const Clock& clock_source();
void set_clock(const Clock* clock);  // nullptr: the system clock

// "mm/dd/yyyy hh:nn", the program's date form in files.
std::string format_date_time(const DateTime& t);

// The desktop's default short date and long time, "m/d/yyyy h:nn:ss AM" (the stamp
// a calibration file carries in its second line).
std::string format_short_date_long_time(const DateTime& t);
