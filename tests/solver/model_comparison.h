#pragma once
// Helpers of the tests that hold a fast model against the rules
// interpreter: the children of a position in driver words with the keys of
// the positions they lead to, and random play that compares every position.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "session.h"
#include "solver/interpreter_moves.h"
#include "solver/position_key.h"

namespace velmora::solver {

inline std::string Words(const Move& move) {
    std::string words;
    for (const Input& input : move) words += DriverWords(input) + "; ";
    return words;
}

// Each child of the position on `e`: its driver words, with the engine key
// of the position it leads to and whether that is a win.
using ChildMap = std::map<std::string, std::pair<uint64_t, bool>>;

inline ChildMap InterpreterChildren(const Engine& e) {
    ChildMap out;
    for (const Child& child : ListChildren(e)) out[Words(child.move)] = {child.key, child.won};
    return out;
}

// The children a model (built on the position) offers, each played and
// turned back into an engine; `inputs` gives a model move's player inputs.
template <class Model, class Inputs>
ChildMap ModelChildren(const Model& model, Inputs inputs) {
    const typename Model::State root = model.Root();
    ChildMap out;
    for (const typename Model::ChildType& child : model.Children(root)) {
        typename Model::State after = root;
        model.Apply(after, child.move);
        Engine table;
        model.ToEngine(after, table);
        EXPECT_EQ(model.Key(after), child.key);
        out[Words(inputs(model, child.move))] = {PositionKey(table), child.won};
    }
    return out;
}

inline std::string Describe(const ChildMap& children) {
    std::ostringstream text;
    for (const auto& [words, result] : children) text << "  " << words << (result.second ? "(won)" : "") << "\n";
    return text.str();
}

// Random play from deals 1 to `deals` of `game`; at every position the
// model supports, its children must be the interpreter's.
// `autoplay` chooses the cards automatic play sends home: "safe" or "greedy".
inline void CompareAlongRandomPlay(int game, int deals, int steps, const std::function<bool(const Engine&)>& supports,
                                   const std::function<ChildMap(const Engine&)>& model_children,
                                   const std::string& autoplay = "safe") {
    cli::Session s;
    s.Lines("autoplay " + autoplay);
    std::mt19937 random(static_cast<unsigned>(game) * 7919u);
    for (int deal = 1; deal <= deals; ++deal) {
        s.Lines("new " + std::to_string(game) + " " + std::to_string(deal));
        Engine e;
        CopyQuietly(s.engine(), e);
        std::set<uint64_t> seen;
        for (int step = 0; step < steps && supports(e); ++step) {
            const ChildMap expected = InterpreterChildren(e);
            const ChildMap compiled = model_children(e);
            ASSERT_EQ(compiled, expected) << "game " << game << " deal " << deal << " step " << step << "\ninterpreter:\n"
                                          << Describe(expected) << "model:\n" << Describe(compiled);
            if (expected.empty()) break;
            // A random move to a position not seen yet, so play wanders on.
            std::vector<Child> children = ListChildren(e);
            std::shuffle(children.begin(), children.end(), random);
            const auto fresh = std::find_if(children.begin(), children.end(),
                                            [&](const Child& c) { return !seen.contains(c.key); });
            const Child& next = fresh != children.end() ? *fresh : children.front();
            seen.insert(next.key);
            PlayMove(e, next.move);
        }
    }
}

}  // namespace velmora::solver
