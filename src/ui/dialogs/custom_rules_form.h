#pragma once
// TfrmCustomRules ("Customize rules"): the player makes a variant of a game.
// It starts from the current game (or any game chosen in it), offers the
// rules the chosen game's row can take (the others are greyed with a word
// on why) and asks for a name. OK gives the variant's rules row; the caller
// numbers, saves and deals it.

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "engine/model/custom_games.h"
#include "engine/model/variant_rules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace velmora {

struct GamesData;

class TfrmCustomRules : public QDialog {
  public:
    using InfoHook = std::function<void(const std::string& text)>;

    // `games` and `game_state` (with its catalogue) must outlive the dialog.
    TfrmCustomRules(const TMainGame& game_state, const GamesData& games, int start_game, InfoHook show_info,
                    QWidget* owner = nullptr);

    // After OK: the variant (its number still unset).
    const CustomGame& Variant() const { return variant_; }

    QComboBox* cboBaseGame;
    QLineEdit* edtName;
    QSpinBox* spnCardsPerPress;
    QComboBox* cboPasses;
    QSpinBox* spnFreeCells;
    QComboBox* cboSpace;
    QComboBox* cboBuild;
    QComboBox* cboRuns;
    QComboBox* cboFoundations;
    QLabel* lblNotOffered;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // The choices as the widgets stand (the greyed ones empty).
    VariantChoices Choices() const;
    void btnOKClick();

  private:
    void BuildWidgets();
    void FillBaseGames(int start_game);
    // Sets every widget from the chosen game's row.
    void BaseGameChanged();
    bool NameTaken(const std::string& name) const;

    const TMainGame& game_state_;
    const GamesData& games_;
    InfoHook show_info_;
    RulesRow base_row_{};
    int base_id_ = 0;  // the catalogue game at the root of the chosen one
    CustomGame variant_;
};

}  // namespace velmora
