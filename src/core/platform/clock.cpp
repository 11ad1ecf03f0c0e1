#include "platform/clock.h"

#include <ctime>

#include "platform/number_text.h"

namespace {
class SystemClock : public Clock {
public:
    DateTime now() const override {
        std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour,        local.tm_min,     local.tm_sec};
    }
};
SystemClock system_clock;
const Clock* current = &system_clock;
}  // namespace

const Clock& clock_source() { return *current; }
void set_clock(const Clock* clock) { current = clock ? clock : &system_clock; }

std::string format_date_time(const DateTime& t) {
    return c_format("%02d/%02d/%04d %02d:%02d", t.month, t.day, t.year, t.hour, t.minute);
}

std::string format_short_date_long_time(const DateTime& t) {
    int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return c_format("%d/%d/%04d %d:%02d:%02d %s", t.month, t.day, t.year, hour12, t.minute, t.second,
                    t.hour < 12 ? "AM" : "PM");
}
