#include "ui/main/status_text.h"

#include <QStringList>

#include "engine/model/engine.h"
#include "engine/play/play_counts.h"

namespace velmora {

QString StatusBarText(const Engine& e) {
    if (!e.flags.Get(flag::kInProgress)) return {};
    QStringList parts;
    if (const auto stock = StockCards(e)) parts << QStringLiteral("Stock: %1").arg(*stock);
    if (const auto redeals = RedealsLeft(e)) parts << QStringLiteral("Redeals left: %1").arg(*redeals);
    parts << QStringLiteral("Moves: %1").arg(MovesMade(e));
    return parts.join(QStringLiteral("      "));
}

}  // namespace velmora
