#pragma once
// A table with a game in progress whose view records beeps and highlights.

#include <map>
#include <string>

#include "play_table.h"

namespace velmora::play_test {

class SelectionView : public TableView {
public:
    void Beep() override { ++beeps; }
    void HighlightCard(int card, bool on) override { highlighted[card] = on; }
    int beeps = 0;
    std::map<int, bool> highlighted;
};

class SelectionTable : public Table {
public:
    SelectionTable() {
        e().view = &view;
        e().flags.Set(flag::kInProgress, true);
    }
    const std::string& Pile(std::string_view name) { return e().piles.Text(ParsePileName(name)->list, ParsePileName(name)->index); }
    static std::string Codes(std::initializer_list<int> cards) {
        std::string text;
        for (int c : cards) text += CardCodeText(c);
        return text;
    }
    SelectionView view;
};

}  // namespace velmora::play_test
