// Today's date in UTC, read from the system's clock: one day for every player at once,
// wherever they are.
#pragma once

struct kuDate {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
};

kuDate kuTodayUtc();
