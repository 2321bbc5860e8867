// The player's own games in the dialogs: the customize rules dialog makes a
// variant from the choices, and the selection dialog lists, explains and
// deletes the variants.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "engine/model/games_file_rules.h"
#include "open_game_fixture.h"
#include "ui/dialogs/custom_rules_form.h"

namespace velmora::open_game_test {
namespace {

constexpr int kFreecell = 1;
constexpr int kKlondike = 2;

class CustomGamesDialogs : public OpenGameFixture {
  protected:
    std::unique_ptr<TfrmCustomRules> Rules(int start_game) {
        return std::make_unique<TfrmCustomRules>(GameState(), Games(), start_game,
                                                 [this](const std::string& text) { infos.push_back(text); });
    }
    void AddVariant(int id, const std::string& name) {
        CustomGame game{id, kKlondike, name, {}};
        ASSERT_TRUE(ReadRulesRow(GameState(), Games(), kKlondike, game.entries));
        game.entries[21] = 3;
        Games().custom.push_back(game);
    }
};

TEST_F(CustomGamesDialogs, RulesDialogTurnsTheChoicesIntoTheVariantsRow) {
    Create("Game=2\n");
    auto form = Rules(kKlondike);
    EXPECT_EQ(form->cboBaseGame->currentText(), "Klondike");
    EXPECT_TRUE(form->btnOK->isDefault());
    EXPECT_FALSE(form->spnFreeCells->isEnabled()) << "Klondike's layout has no room for free cells";
    EXPECT_TRUE(form->lblNotOffered->text().contains("free cells"));
    form->spnCardsPerPress->setValue(3);
    form->cboFoundations->setCurrentIndex(form->cboFoundations->findText("Kings, building down"));
    form->edtName->setText("Klondike my way");
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    const CustomGame& v = form->Variant();
    EXPECT_EQ(v.name, "Klondike my way");
    EXPECT_EQ(v.base, kKlondike);
    EXPECT_EQ(v.entries[21], 3);
    EXPECT_EQ(v.entries[48], 13);
    EXPECT_EQ(v.entries[14], -1) << "untouched choices keep the game's values";
    EXPECT_TRUE(infos.empty());

    // Another base game: its own values, free cells offered up to its four.
    form->cboBaseGame->setCurrentIndex(form->cboBaseGame->findData(kFreecell));
    EXPECT_EQ(form->edtName->text(), "My Freecell");
    EXPECT_TRUE(form->spnFreeCells->isEnabled());
    EXPECT_EQ(form->spnFreeCells->maximum(), 4);
    EXPECT_FALSE(form->spnCardsPerPress->isEnabled()) << "no stock";
}

TEST_F(CustomGamesDialogs, RulesDialogRefusesAMissingOrTakenName) {
    Create("Game=2\n");
    AddVariant(8000, "Mine");
    auto form = Rules(kKlondike);
    for (const char* name : {"", "freecell", "MINE"}) {
        form->edtName->setText(name);
        infos.clear();
        form->btnOKClick();
        EXPECT_NE(form->result(), QDialog::Accepted) << name;
        ASSERT_EQ(infos.size(), 1u) << name;
    }
    EXPECT_NE(infos.front().find("already a game called"), std::string::npos);
    // A variant may start from one of the player's own games.
    form->cboBaseGame->setCurrentIndex(form->cboBaseGame->findData(8000));
    EXPECT_EQ(form->spnCardsPerPress->value(), 3);
}

TEST_F(CustomGamesDialogs, SelectionListsDescribesAndDeletesTheVariants) {
    // Before the dialog is made, as at start-up (their rows do not matter here).
    Games().custom.push_back(CustomGame{8000, kKlondike, "Threes of mine", {}});
    Games().custom.push_back(CustomGame{8001, kKlondike, "Another", {}});
    Create("Game=2\n");
    std::vector<int> asked;
    bool agree = false;
    dialog->SetDeleteCommand([&](int game) {
        asked.push_back(game);
        if (agree) std::erase_if(Games().custom, [game](const CustomGame& g) { return g.id == game; });
        return agree;
    });
    Show();
    QTreeWidgetItem* root = open_game::FindNode(*dialog->trvGames, open_game::kCustomGamesRoot);
    ASSERT_NE(root, nullptr);
    Select(root);
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), "Another") << "by name";
    Select(Game("Threes of mine"));
    EXPECT_EQ(dialog->pnlDescGame->lblGameName->text(), "Threes of mine");

    // Its rules are those of the game it was made from.
    dialog->btnRulesClick();
    ASSERT_EQ(help.size(), 1u);
    EXPECT_NE(help.front().find(" 3002"), std::string::npos);

    // The Delete key asks; a "No" keeps the game, a "Yes" takes it away.
    QTest::keyClick(dialog->trvGames, Qt::Key_Delete);
    EXPECT_EQ(asked, std::vector<int>{8000});
    EXPECT_NE(Game("Threes of mine"), nullptr);
    agree = true;
    dialog->PreparePopupMenu();
    EXPECT_TRUE(dialog->popDeleteCustom->isVisible());
    dialog->popDeleteCustom->trigger();
    EXPECT_EQ(Game("Threes of mine"), nullptr);
    EXPECT_EQ(root->childCount(), 1);

    // A catalogue game is never offered for deletion.
    Select(Game("Klondike"));
    dialog->PreparePopupMenu();
    EXPECT_FALSE(dialog->popDeleteCustom->isVisible());
    QTest::keyClick(dialog->trvGames, Qt::Key_Delete);
    EXPECT_EQ(asked.size(), 2u);
}

}  // namespace
}  // namespace velmora::open_game_test
