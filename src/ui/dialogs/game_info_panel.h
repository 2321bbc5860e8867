#pragma once
// The white panel that describes one game of the catalogue: its name, a
// preview picture that the "Preview" box switches on and off, and the rows
// "Decks:", "Game time:", "Difficulty level:", "Skill level:", "Chance of
// winning:" and "Redeals:", with an icon for each class. The game selection
// dialog shows it for the selected game, the game information box for the
// game on the table.

#include <QFrame>

#include <optional>

#include "platform/surface.h"

class QCheckBox;
class QLabel;

namespace velmora {

class ResourceLibrary;
class TMainGame;
struct GamesData;

// The sunken white look of the description panels.
void PaintWhitePanel(QFrame& panel);

class GameInfoPanel : public QFrame {
  public:
    static constexpr int kPreviewWidth = 300;
    static constexpr int kPreviewHeight = 185;
    // Below the preview: where the information rows start, and their height.
    static constexpr int kRowsTop = 218;
    static constexpr int kRowHeight = 18;
    static constexpr int kRows = 6;

    // `game_state`, `games` and `library` must outlive the panel; the
    // catalogue of `game_state` must be loaded.
    GameInfoPanel(const TMainGame& game_state, const GamesData& games, const ResourceLibrary& library,
                  QSize size, QWidget* parent = nullptr);

    // Shows game `number` under the name `name` (as the catalogue lists it).
    void Describe(int number, const QString& name);
    // The preview of the described game, or the bare background while the
    // box is unticked or no game is described.
    void DrawPreview();

    QLabel* lblGameName;
    QCheckBox* chkPreview;
    QLabel* imgGame;
    QLabel* lblDecks;
    QLabel* lblGameTime;
    QLabel* lblDiffRules;
    QLabel* lblSkill;
    QLabel* lblDiffWin;
    QLabel* lblRedeal;
    QLabel* imgGameTime;
    QLabel* imgDifficult;
    QLabel* imgSkill;
    QLabel* imgWinning;

  private:
    void BuildInformationRows();

    const TMainGame& game_state_;
    const GamesData& games_;
    const ResourceLibrary& library_;
    Surface preview_background_;
    std::optional<int> game_;
};

}  // namespace velmora
