#pragma once
// The engine's view of the real window: the renderer draws the table; what
// only the window has (the beep, holding back input, the command buttons,
// the score panel, the winning animation, the game selection) goes to the
// window through TableViewOwner.

#include <string_view>

#include "render/table_renderer.h"

namespace velmora {

class TableViewOwner {
  public:
    virtual ~TableViewOwner() = default;
    virtual void HoldInput(bool hold) = 0;
    virtual void EnableUndoCommands(bool enabled) = 0;
    virtual void EnableAutoplayCommand(bool enabled) = 0;
    virtual void EnableSaveCommands(bool enabled) = 0;
    virtual void EnableCustomizeCommand(bool enabled) = 0;
    virtual void ShowScoreText(std::string_view score) = 0;
    virtual void CelebrateWin() = 0;
    virtual void OfferGameSelection() = 0;
};

class WindowTableView : public TableRenderer {
  public:
    WindowTableView(Engine& engine, TableSurfaces& surfaces, const ResourceLibrary& library,
                    Pacer& pacer, TableViewOwner& owner)
        : TableRenderer(engine, surfaces, library, pacer), owner_(owner) {}

    void Beep() override;
    void HoldInput(bool hold) override { owner_.HoldInput(hold); }
    void SetUndoButtons(bool enabled) override { owner_.EnableUndoCommands(enabled); }
    void SetAutoplayButtons(bool enabled) override { owner_.EnableAutoplayCommand(enabled); }
    void SetSaveCommands(bool enabled) override { owner_.EnableSaveCommands(enabled); }
    void SetCustomizeCommand(bool enabled) override { owner_.EnableCustomizeCommand(enabled); }
    void ShowScore(std::string_view score) override { owner_.ShowScoreText(score); }
    // The new size's pictures at once (the screen check changed the size).
    void ReloadCardImages() override { LoadCardImages(false); }
    void RunWinningAnimation() override { owner_.CelebrateWin(); }
    void OpenGameSelection() override { owner_.OfferGameSelection(); }

  private:
    TableViewOwner& owner_;
};

}  // namespace velmora
