#pragma once
// Play by keyboard. A focus mark (shown by the first arrow key, hidden
// while the mouse is used) walks the placed piles (Left and Right in
// reading order, Up and Down to the pile above or below, or within a fan
// to choose how many cards of a run are taken); Space or Return picks up
// the chosen card or run and, pressed again over the target, puts it down
// there; Escape puts a carried run back; S presses the stock; F sends the
// chosen card home as a double click does.
//
// Every press goes through the same hand as the mouse (TableInput), so the
// engine decides what a press on that card does, a refused drop flies back,
// and keyboard and mouse can be used in turns.

#include <Qt>

#include <functional>

#include "engine/layout/pile_walk.h"

namespace velmora {

class TableInput;
struct Engine;

class TableKeys {
public:
    TableKeys(const Engine& engine, TableInput& hand);

    // Acts on a key; false when the key is none of the table's.
    bool Key(int key, Qt::KeyboardModifiers modifiers);

    // The mark shows from the first key on and hides while the mouse is used.
    bool MarkShown() const { return shown_; }
    void HideMark();
    // The frame of the mark in table coordinates; empty when hidden.
    Rect Mark() const;

    PileRef Focused() const { return pile_; }
    // The card the mark is on (or the landing place while carrying).
    ChosenCard Chosen() const;
    // The table changed (a move, a deal, a new layout): the focus stays on
    // its pile while that pile is still on the table.
    void TableChanged();

    // After the focused pile or chosen card changed.
    std::function<void()> focus_moved;

private:
    void Step(int by);
    void Across(bool down);
    void Choose(int deeper);
    void Press();
    void PressStock();
    void SendHome();
    void Carry();
    void FocusOn(PileRef pile);
    bool OnTable(PileRef pile) const;

    const Engine& e_;
    TableInput& hand_;
    PileRef pile_{ListId::Tableau, 0};
    int depth_ = 0;
    bool shown_ = false;
    bool carrying_ = false;  // a run was picked up by key and is held
    PileRef source_;         // where it was picked up
    Rect origin_;            // its card's place there
    Point grab_;             // the press point less the card's corner
};

}  // namespace velmora
