#pragma once
// The customize dialog over a throw-away program folder: the build's
// QOR.RGF linked in, the settings file starting with what a test writes,
// the record loaded from it as at start-up, and recorders for the help and
// closing hooks.

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
#include "platform/resource_library.h"
#include "qt_test_app.h"
#include "storage/preferences.h"
#include "ui/dialogs/customize_form.h"

namespace velmora::customize_test {

class CustomizeFixture : public ::testing::Test {
  protected:
    // `settings`: lines of the [Preference] section.
    void Open(const std::string& settings = "") {
        test::EnsureApplication();
        dialog.reset();
        const QString dir = QDir(folder_.path()).absolutePath();
        QFile::link(QString(VELMORA_PROGRAM_DIR) + "QOR.RGF", dir + "/QOR.RGF");
        QDir(dir).mkdir("DATA");
        std::ofstream(dir.toStdString() + "/DATA/CFG.DAT") << "[Preference]\n" << settings;
        engine_ = EngineInit(dir.toStdString() + "/");
        QuietSettingsView view;
        LoadPreferences(*engine_, view);
        ASSERT_TRUE(library.Load(dir.toStdString() + "/QOR.RGF"));
        dialog = std::make_unique<TfrmCustomize_Freeware>(
            engine_->params, OpenSettingsFile(engine_->params), library,
            [this](int topic) { help_topics.push_back(topic); },
            [this](bool cancelled) { closings.push_back(cancelled); });
        dialog->show();
        Settle();
    }
    void TearDown() override { dialog.reset(); }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    std::string At(int position, int length = 1) const {
        return engine_->params.ParamRead(position, length);
    }
    std::string Key(std::string_view name) const {
        return OpenSettingsFile(engine_->params).Ini().ReadString("Preference", name, "(none)");
    }

    static QTreeWidgetItem* Node(const QTreeWidget& tree, const QString& text) {
        const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // The player picks a node.
    void Choose(QTreeWidget* tree, const QString& text) {
        QTreeWidgetItem* node = Node(*tree, text);
        ASSERT_NE(node, nullptr) << text.toStdString();
        tree->setCurrentItem(node);
        Settle();
    }
    QString Current(const QTreeWidget* tree) const {
        return tree->currentItem() ? tree->currentItem()->text(0) : QString();
    }

    ResourceLibrary library;
    std::unique_ptr<TfrmCustomize_Freeware> dialog;
    std::vector<int> help_topics;
    std::vector<bool> closings;

  private:
    QTemporaryDir folder_;
    std::unique_ptr<Engine> engine_;
};

}  // namespace velmora::customize_test
