// The daily round: one seed a day, the same for every player and every build, derived from
// the UTC date alone; the day's records are kept in a table of their own with their runs, in
// "Daily/YYYY-MM-DD/" inside the main table's folder.
#pragma once

#include "kuCalendar.h"
#include "quaroPaths.h"

#include <cstdint>
#include <string>

namespace quaroDaily {

// The date's number YYYYMMDD times 2654435761, modulo 2^32: 2026-12-08 gives 20261208 *
// 2654435761 mod 2^32. Plain 32-bit arithmetic, so every build agrees.
uint32_t seedOf(const kuDate& date);
// "2026-12-08".
std::string dateText(const kuDate& date);
// The main paths with the table and its runs moved to the day's folder.
gamePaths tablePaths(const gamePaths& main, const kuDate& date);
// The line a player can share after the day's round: "quaro daily 2026-12-08: won in 01:02,
// 106 products, 3 knock-outs" (or "lost at").
std::string shareLine(const kuDate& date, bool won, int minutes, int seconds, int products,
                      int knockOuts);

} // namespace quaroDaily
