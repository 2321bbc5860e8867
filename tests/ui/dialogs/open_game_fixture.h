#pragma once
// The game selection dialog over a throw-away program folder: the build's
// GAMES.DAT and QOR.RGF linked in, the settings file starting with what a
// test writes, the record and the catalogue loaded as at start-up, and
// recorders for the help and information boxes.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/games_file.h"
#include "platform/resource_library.h"
#include "qt_test_app.h"
#include "storage/preferences.h"
#include "ui/dialogs/open_game_form.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/open_game_tree.h"

namespace velmora::open_game_test {

class OpenGameFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApplication();
        const QString dir = QDir(folder_.path()).absolutePath();
        for (const char* name : {"GAMES.DAT", "QOR.RGF"})
            QFile::link(QString(VELMORA_PROGRAM_DIR) + name, dir + "/" + name);
        QDir(dir).mkdir("DATA");
        program_folder = dir.toStdString() + "/";
    }
    void TearDown() override { dialog.reset(); }

    // A new dialog, as at start-up; `settings`: lines of [Preference].
    void Create(const std::string& settings) {
        std::ofstream(program_folder + "DATA/CFG.DAT") << "[Preference]\n" << settings;
        Create();
    }
    // A new dialog over the settings file as it is now.
    void Create() {
        dialog.reset();
        engine_ = EngineInit(program_folder);
        QuietSettingsView view;
        LoadPreferences(*engine_, view);
        ASSERT_TRUE(LoadCatalogue(*engine_));
        std::vector<CustomGame> custom = std::move(games_.custom);
        ASSERT_TRUE(ReadGamesFile(GamesFilePath(engine_->params), games_));
        games_.custom = std::move(custom);
        ASSERT_TRUE(library.Load(program_folder + "QOR.RGF"));
        dialog = std::make_unique<TfrmOpenGame>(
            engine_->params, OpenSettingsFile(engine_->params), engine_->main_game, games_,
            library,
            [this](const std::string& file, int topic) {
                help.push_back(file + " " + std::to_string(topic));
            },
            [this](const std::string& text) { infos.push_back(text); });
    }
    void Show() {
        dialog->show();
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    std::string Key(std::string_view name) const {
        return OpenSettingsFile(engine_->params).Ini().ReadString("Preference", name, "(none)");
    }
    // "All games (alphabetically)".
    QTreeWidgetItem* Root() const { return open_game::FindNode(*dialog->trvGames, open_game::kAllGamesRoot); }
    QTreeWidgetItem* Game(const QString& name) const {
        const auto found =
            dialog->trvGames->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // The player picks a node.
    void Select(QTreeWidgetItem* node) {
        ASSERT_NE(node, nullptr);
        dialog->trvGames->setCurrentItem(node);
        Settle();
    }
    QString Current() const {
        const QTreeWidgetItem* node = dialog->trvGames->currentItem();
        return node ? node->text(0) : QString();
    }

    // The game data and catalogue the dialog reads (the player's own games
    // are added here before Create()).
    GamesData& Games() { return games_; }
    const TMainGame& GameState() const { return engine_->main_game; }

    std::string program_folder;
    std::unique_ptr<TfrmOpenGame> dialog;
    std::vector<std::string> help;
    std::vector<std::string> infos;
    ResourceLibrary library;

  private:
    QTemporaryDir folder_;
    std::unique_ptr<Engine> engine_;
    GamesData games_;
};

}  // namespace velmora::open_game_test
