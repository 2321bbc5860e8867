#pragma once
// TfrmPlayers ("Players"): the list of players, where the player adds,
// renames and deletes players (each at once, in the settings file) and
// picks, with OK, who plays from now on. Deleting asks first and takes the
// player's results with it.

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "storage/settings_file.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace velmora {

class ParamRecord;

class TfrmPlayers : public QDialog {
  public:
    struct Hooks {
        // A name typed in a box titled `title`, starting from `name`; none after Cancel.
        std::function<std::optional<std::string>(const std::string& title, const std::string& name)> ask_name;
        // A question with Yes and No; true for Yes.
        std::function<bool(const std::string& question)> confirm;
        // An information box with one OK button.
        std::function<void(const std::string& text)> inform;
    };
    // Hooks left empty show the usual boxes over the dialog.
    TfrmPlayers(ParamRecord& params, SettingsFile settings, Hooks hooks, QWidget* owner = nullptr);

    // Shows the dialog modally: the player OK chose, or none after Cancel.
    // Renames and deletions stand either way.
    std::optional<std::string> Choose();
    // The player the list has selected; empty when none.
    std::string SelectedName() const;

    QLabel* lblPlayers;
    QListWidget* lstPlayers;
    QPushButton* btnAdd;
    QPushButton* btnRename;
    QPushButton* btnDelete;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    void btnAddClick();
    void btnRenameClick();
    void btnDeleteClick();
    void btnOKClick();

  private:
    void BuildWidgets();
    void UseDefaultHooks();
    // The list as the settings file holds it, with the player at `select_place` selected.
    void FillList(int select_place);
    int FindPlayerIn(const std::string& name) const;
    std::optional<std::string> AskName(const std::string& title, std::string name,
                                       const std::function<bool(const std::string&, std::string&)>& store);
    int SelectedPlace() const;
    void EnableCommands();

    ParamRecord& params_;
    SettingsFile settings_;
    Hooks hooks_;
    std::string chosen_;
};

}  // namespace velmora
