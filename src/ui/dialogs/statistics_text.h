#pragma once
// How the statistics windows write their figures: times as h:mm:ss (m:ss
// under an hour), win rates in whole percent, dates as the calendar and the
// clock read, and "-" for a figure there is none of yet.

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/results/result_queries.h"

namespace velmora {

// The name of a game of the catalogue by its number.
using GameNames = std::function<std::string(int game)>;

inline const QString kNoFigure = QStringLiteral("-");

// A total of many games may run past a day: the hours go on counting.
QString DurationText(int64_t seconds);
QString DurationText(const std::optional<int>& seconds);
QString NumberText(const std::optional<int>& number);
// Won out of played in whole percent; "-" before the first game.
QString WinRateText(const ResultSummary& summary);
// A streak as Summarize counts it: wins in a row (positive) or games not won.
QString StreakText(int streak);
QString DateTimeText(const DateTime& when);
QString ResultText(GameResult result);

}  // namespace velmora
