#include "ui/main/status_text.h"

#include <QStringList>

#include "engine/model/engine.h"
#include "engine/play/play_counts.h"
#include "storage/players.h"

namespace velmora {

QString StatusBarText(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress)) return {};
    QStringList parts;
    if (const auto stock = StockCards(e)) parts << QStringLiteral("Stock: %1").arg(*stock);
    if (const auto redeals = RedealsLeft(e)) parts << QStringLiteral("Redeals left: %1").arg(*redeals);
    parts << QStringLiteral("Moves: %1").arg(MovesMade(e));
    return parts.join(QStringLiteral("      "));
}

QString PlayerStatusText(const ParamRecord& params) {
    const std::string player = CurrentPlayerName(params);
    return player.empty() ? QString() : QStringLiteral("Player: %1").arg(QString::fromStdString(player));
}

}  // namespace velmora
