#include "quaroDaily.h"

#include <cstdio>

namespace quaroDaily {

namespace {
constexpr uint32_t goldenMultiplier = 2654435761u; // 2^32 divided by the golden ratio
} // namespace

uint32_t seedOf(const kuDate& date) {
    const uint32_t number = uint32_t(date.year * 10000 + date.month * 100 + date.day);
    return number * goldenMultiplier;
}

std::string dateText(const kuDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

gamePaths tablePaths(const gamePaths& main, const kuDate& date) {
    gamePaths day = main;
    day.tableFolder = main.tableFolder + "/Daily/" + dateText(date);
    day.tableFile = day.tableFolder + "/Highscore.hs";
    return day;
}

std::string shareLine(const kuDate& date, bool won, int minutes, int seconds, int products,
                      int knockOuts) {
    char text[128];
    std::snprintf(text, sizeof text, "quaro daily %s: %s %02d:%02d, %d products, %d knock-out%s",
                  dateText(date).c_str(), won ? "won in" : "lost at", minutes, seconds, products,
                  knockOuts, knockOuts == 1 ? "" : "s");
    return text;
}

} // namespace quaroDaily
