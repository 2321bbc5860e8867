// The players dialog: the list with the current player selected, adding and
// renaming through the name box (a refused name is told and asked again),
// deleting after the question, and OK or Cancel.

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <fstream>

#include <gtest/gtest.h>

#include "engine/model/param_record.h"
#include "qt_test_app.h"
#include "storage/players.h"
#include "ui/dialogs/players_form.h"

namespace velmora {
namespace {

class PlayersForm : public testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApplication();
        const std::string folder = QDir(dir_.path()).absolutePath().toStdString() + "/";
        QDir(dir_.path()).mkdir("DATA");
        std::ofstream(folder + "DATA/CFG.DAT") << "[Preference]\nUserDefault=Bea\n[Users]\nUser001=Ann\nUser002=Bea\n";
        params.ParamInit(true, folder);
        params.SetDataFolder(folder);
        params.ParamWrite(kCurrentPlayer, kCurrentPlayerLength, "Bea");
        TfrmPlayers::Hooks hooks;
        hooks.ask_name = [this](const std::string& title, const std::string& name) -> std::optional<std::string> {
            asked.push_back(title + ":" + name);
            if (typed.empty()) return std::nullopt;
            std::string next = typed.front();
            typed.pop_front();
            return next;
        };
        hooks.confirm = [this](const std::string& question) {
            asked.push_back(question);
            return answer_yes;
        };
        hooks.inform = [this](const std::string& text) { told.push_back(text); };
        dialog = std::make_unique<TfrmPlayers>(params, OpenSettingsFile(params), hooks);
    }
    QStringList Names() const {
        QStringList names;
        for (int i = 0; i < dialog->lstPlayers->count(); ++i) names << dialog->lstPlayers->item(i)->text();
        return names;
    }

    ParamRecord params;
    std::unique_ptr<TfrmPlayers> dialog;
    std::deque<std::string> typed;
    std::vector<std::string> asked;
    std::vector<std::string> told;
    bool answer_yes = true;

  private:
    QTemporaryDir dir_;
};

TEST_F(PlayersForm, AddAndRenameAskUntilTheNameIsTakenOrCancelled) {
    EXPECT_EQ(Names(), (QStringList{"Ann", "Bea"}));
    EXPECT_EQ(dialog->SelectedName(), "Bea") << "the current player";

    typed = {"ann", "Cy"};
    dialog->btnAddClick();
    EXPECT_EQ(asked, (std::vector<std::string>{"New player:", "New player:ann"}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "There is already a player named Ann.");
    EXPECT_EQ(Names(), (QStringList{"Ann", "Bea", "Cy"}));
    EXPECT_EQ(dialog->SelectedName(), "Cy") << "the new player";

    typed = {"Bea Two"};
    dialog->lstPlayers->setCurrentRow(1);
    dialog->btnRenameClick();
    EXPECT_EQ(asked.back(), "Rename player:Bea");
    EXPECT_EQ(Names(), (QStringList{"Ann", "Bea Two", "Cy"}));
    EXPECT_EQ(CurrentPlayerName(params), "Bea Two");

    typed.clear();
    dialog->btnAddClick();
    EXPECT_EQ(Names().size(), 3) << "cancelled";
}

TEST_F(PlayersForm, DeleteAsksFirstAndTheLastPlayerStays) {
    dialog->lstPlayers->setCurrentRow(1);
    answer_yes = false;
    dialog->btnDeleteClick();
    EXPECT_EQ(asked.back(), "Delete the player Bea and all of Bea's results?");
    EXPECT_EQ(Names().size(), 2);

    answer_yes = true;
    dialog->btnDeleteClick();
    EXPECT_EQ(Names(), QStringList{"Ann"});
    EXPECT_EQ(CurrentPlayerName(params), "Ann");
    EXPECT_EQ(dialog->SelectedName(), "Ann");
    EXPECT_FALSE(dialog->btnDelete->isEnabled());
}

TEST_F(PlayersForm, OkGivesTheSelectedPlayerAndCancelNone) {
    QTimer::singleShot(0, dialog.get(), [this] {
        dialog->lstPlayers->setCurrentRow(0);
        dialog->btnOK->click();
    });
    EXPECT_EQ(dialog->Choose(), std::optional<std::string>("Ann"));
    EXPECT_EQ(CurrentPlayerName(params), "Bea") << "the caller makes the choice current";
    QTimer::singleShot(0, dialog.get(), [this] { dialog->btnCancel->click(); });
    EXPECT_EQ(dialog->Choose(), std::nullopt);
}

}  // namespace
}  // namespace velmora
