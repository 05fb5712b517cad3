#include "kuCalendar.h"

#include <ctime>

kuDate kuTodayUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    if (gmtime_r(&now, &utc) == nullptr)
        return {};
    return {utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday};
}
