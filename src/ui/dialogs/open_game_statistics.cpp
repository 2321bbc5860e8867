// The game selection's Statistics button: the selected game's statistics,
// over the dialog, which stays open.
#include <QPushButton>
#include <QTreeWidget>

#include "ui/dialogs/open_game_form.h"
#include "ui/dialogs/open_game_tree.h"

namespace velmora {

void TfrmOpenGame::SetStatisticsCommand(StatisticsHook hook) {
    const bool first = !show_statistics_;
    show_statistics_ = std::move(hook);
    btnStatistics->setVisible(static_cast<bool>(show_statistics_));
    if (first && show_statistics_)
        connect(btnStatistics, &QPushButton::clicked, this, [this] { btnStatisticsClick(); });
}

void TfrmOpenGame::btnStatisticsClick() {
    const QTreeWidgetItem* node = trvGames->currentItem();
    if (!show_statistics_ || !open_game::IsGameNode(node)) return;
    show_statistics_(open_game::NodeIdentity(node), this);
}

}  // namespace velmora
