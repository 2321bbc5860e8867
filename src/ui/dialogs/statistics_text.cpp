#include "ui/dialogs/statistics_text.h"

#include <cmath>
#include <cstdlib>

namespace velmora {

namespace {

QString TwoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString DurationText(int64_t seconds) {
    const int64_t hours = seconds / 3600;
    const int minutes = static_cast<int>(seconds / 60 % 60);
    const QString rest = TwoDigits(static_cast<int>(seconds % 60));
    if (hours > 0) return QStringLiteral("%1:%2:%3").arg(hours).arg(TwoDigits(minutes), rest);
    return QStringLiteral("%1:%2").arg(minutes).arg(rest);
}

QString DurationText(const std::optional<int>& seconds) {
    return seconds ? DurationText(*seconds) : kNoFigure;
}

QString NumberText(const std::optional<int>& number) {
    return number ? QString::number(*number) : kNoFigure;
}

QString WinRateText(const ResultSummary& summary) {
    if (summary.played == 0) return kNoFigure;
    return QStringLiteral("%1%").arg(std::lround(summary.WinRate() * 100));
}

QString StreakText(int streak) {
    if (streak == 0) return kNoFigure;
    const int length = std::abs(streak);
    if (streak > 0)
        return length == 1 ? QStringLiteral("1 win") : QStringLiteral("%1 wins").arg(length);
    return length == 1 ? QStringLiteral("1 game not won")
                       : QStringLiteral("%1 games not won").arg(length);
}

QString DateTimeText(const DateTime& when) {
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(when.year)
        .arg(TwoDigits(when.month), TwoDigits(when.day), TwoDigits(when.hour),
             TwoDigits(when.minute));
}

QString ResultText(GameResult result) {
    switch (result) {
        case GameResult::kWon:
            return QStringLiteral("Won");
        case GameResult::kLost:
            return QStringLiteral("Lost");
        case GameResult::kQuit:
            return QStringLiteral("Quit");
        case GameResult::kAbandoned:
            return QStringLiteral("Abandoned");
    }
    return QString();
}

}  // namespace velmora
