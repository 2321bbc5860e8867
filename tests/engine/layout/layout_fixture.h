#pragma once
// A table to lay out: big cards with shadows, a game made of the rules
// entries a test gives, laid out for a window and a screen of its choice.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "engine/layout/pile_layout.h"
#include "engine/model/engine.h"

namespace velmora::layout_test {

struct Anchor {
    int x = 0;
    int y = 0;
    bool operator==(const Anchor&) const = default;
};

inline void PrintTo(const Anchor& a, std::ostream* os) { *os << "(" << a.x << ", " << a.y << ")"; }

class TableLayoutTest : public ::testing::Test {
protected:
    TableLayoutTest() : engine_(EngineInit("/t/")) {
        engine_->params.ParamWrite(param::kCardSize, 1, "B");
        engine_->params.ParamWrite(param::kCardsShadowed, 1, "Y");
    }

    Engine& e() { return *engine_; }
    void Rules(std::initializer_list<std::pair<int, int>> entries) {
        for (const auto& [entry, value] : entries) engine_->rules.Set(entry, value);
    }
    // The window is the whole client area; the screen is the window's size
    // unless given.
    void LayOut(int width = 1280, int height = 800, int screen_width = 0, int screen_height = 0) {
        LayOutTable(*engine_, MainWindowInputs(width, height, 0, 0, screen_width ? screen_width : width,
                                               screen_height ? screen_height : height));
    }

    Anchor Tableau(int i) const {
        return {TableauX(engine_->tableau_anchors, i), TableauY(engine_->tableau_anchors, engine_->main_game, i)};
    }
    Anchor Foundation(int i) const { return {engine_->main_game.FoundationX(i), engine_->main_game.FoundationY(i)}; }
    Anchor Reserve(int i) const { return {engine_->main_game.ReserveX(i), engine_->main_game.ReserveY(i)}; }
    Anchor Deck(int slot) const { return {engine_->main_game.StockAreaX(slot), engine_->main_game.StockAreaY(slot)}; }

    // The anchors of the first `count` piles of a group.
    template <typename Get>
    std::vector<Anchor> Group(int count, Get get) const {
        std::vector<Anchor> anchors;
        for (int i = 0; i < count; ++i) anchors.push_back(get(i));
        return anchors;
    }
    std::vector<Anchor> Tableaus(int n) const { return Group(n, [this](int i) { return Tableau(i); }); }
    std::vector<Anchor> Foundations(int n) const { return Group(n, [this](int i) { return Foundation(i); }); }
    std::vector<Anchor> Reserves(int n) const { return Group(n, [this](int i) { return Reserve(i); }); }

private:
    std::unique_ptr<Engine> engine_;
};

// Piles `step` apart in a row from (x, y).
inline std::vector<Anchor> Row(int count, int x, int y, int step) {
    std::vector<Anchor> anchors;
    for (int i = 0; i < count; ++i) anchors.push_back({x + i * step, y});
    return anchors;
}

}  // namespace velmora::layout_test
