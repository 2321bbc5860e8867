#pragma once
// TfrmFavorites ("Favorite games"): every game of the catalogue with a tick
// box; OK keeps the ticked games as the player's favorites in the settings
// file, Cancel forgets the changes. The game selection lists the favorites
// in a branch of their own.

#include <QDialog>

#include <string>
#include <vector>

#include "storage/settings_file.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

class TfrmFavorites : public QDialog {
  public:
    // `game_list`: the game selection's entries (open_game::BuildGameList).
    TfrmFavorites(const std::vector<std::string>& game_list, SettingsFile settings, QWidget* owner = nullptr);

    // Shows the dialog modally; true when OK stored the favorites.
    bool Edit();
    // The ticked games' numbers, ascending.
    std::vector<int> Ticked() const;

    QLabel* lblFind;
    QLineEdit* edtFind;
    QListWidget* lstGames;
    QLabel* lblCount;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    void btnOKClick();

  private:
    void BuildWidgets();
    void FillList(const std::vector<std::string>& game_list);
    // Only the games whose name holds the text typed in "Find".
    void edtFindChange();
    void ShowCount();

    SettingsFile settings_;
};

}  // namespace velmora
