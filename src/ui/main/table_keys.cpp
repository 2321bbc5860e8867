#include "ui/main/table_keys.h"

#include <algorithm>
#include <utility>

#include "engine/model/engine.h"
#include "ui/main/table_input.h"

namespace velmora {

TableKeys::TableKeys(const Engine& engine, TableInput& hand) : e_(engine), hand_(hand) {}

bool TableKeys::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (!OnTable(pile_)) TableChanged();
    const bool was_shown = std::exchange(shown_, true);
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && !was_shown) {
        // The first arrow only shows where the mark is.
        if (focus_moved) focus_moved();
        return true;
    }
    switch (key) {
        case Qt::Key_Right: Step(1); break;
        case Qt::Key_Left: Step(-1); break;
        case Qt::Key_Up: carrying_ ? Across(false) : Choose(1); break;
        case Qt::Key_Down: carrying_ ? Across(true) : Choose(-1); break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: Press(); break;
        case Qt::Key_S: PressStock(); break;
        case Qt::Key_F: SendHome(); break;
        case Qt::Key_Escape:
            if (!hand_.Carrying()) {
                shown_ = was_shown;
                return false;
            }
            hand_.Cancel();
            carrying_ = false;
            break;
        default: shown_ = was_shown; return false;
    }
    if (focus_moved) focus_moved();
    return true;
}

void TableKeys::HideMark() {
    shown_ = false;
    carrying_ = false;
}

bool TableKeys::OnTable(PileRef pile) const {
    const std::vector<PileRef> order = WalkOrder(e_);
    return std::find(order.begin(), order.end(), pile) != order.end();
}

void TableKeys::FocusOn(PileRef pile) {
    pile_ = pile;
    depth_ = 0;
    if (carrying_) Carry();
}

void TableKeys::Step(int by) {
    const std::vector<PileRef> order = WalkOrder(e_);
    if (order.empty()) return;
    const auto at = std::find(order.begin(), order.end(), pile_);
    const int n = static_cast<int>(order.size());
    const int from = at == order.end() ? (by > 0 ? -1 : 0) : static_cast<int>(at - order.begin());
    FocusOn(order[static_cast<size_t>(((from + by) % n + n) % n)]);
}

void TableKeys::Across(bool down) {
    if (const auto pile = PileAcross(e_, pile_, down)) FocusOn(*pile);
}

// Up takes one card more of the run (the fan climbs up the table), Down one
// fewer; past either end the focus goes to the pile above or below.
void TableKeys::Choose(int deeper) {
    const int choosable = static_cast<int>(ChoosableCards(e_, pile_).size());
    const int depth = depth_ + deeper;
    if (depth >= 0 && depth < choosable) {
        depth_ = depth;
        return;
    }
    Across(deeper < 0);
}

void TableKeys::Press() {
    if (hand_.Carrying()) {
        // Put down on the focused pile; a refused drop flies back. Back on
        // its own pile untouched, the two presses are a click.
        carrying_ = false;
        hand_.ReleaseOn(pile_);
        depth_ = 0;
        return;
    }
    carrying_ = false;
    const ChosenCard chosen = ChooseCard(e_, pile_, depth_);
    grab_ = VisibleOffset(e_, chosen);
    hand_.PressChosen(chosen, chosen.rect.left + grab_.x, chosen.rect.top + grab_.y);
    if (hand_.Carrying()) {
        carrying_ = true;
        source_ = pile_;
        origin_ = chosen.rect;
        return;
    }
    // Not a pick-up: the press was the whole click (the stock, a selection).
    hand_.Release(Qt::LeftButton, 0, 0);
    depth_ = 0;
}

void TableKeys::PressStock() {
    const PileRef stock{ListId::Stock, kStockIndex};
    if (hand_.Carrying() || !OnTable(stock)) return;
    const ChosenCard chosen = ChooseCard(e_, stock, 0);
    const Point at = VisibleOffset(e_, chosen);
    hand_.PressChosen(chosen, chosen.rect.left + at.x, chosen.rect.top + at.y);
    hand_.Release(Qt::LeftButton, 0, 0);
}

void TableKeys::SendHome() {
    if (hand_.Carrying()) return;
    hand_.DoubleClickChosen(ChooseCard(e_, pile_, depth_));
    depth_ = 0;
}

// The carried run is held over the focused pile where its next card would
// go, or over its own place when the focus is back on its pile.
void TableKeys::Carry() {
    if (!hand_.Carrying()) {
        carrying_ = false;
        return;
    }
    const Point at = pile_ == source_ ? Point{origin_.left, origin_.top} : LandingPlace(e_, pile_);
    hand_.Move(at.x + grab_.x, at.y + grab_.y);
}

ChosenCard TableKeys::Chosen() const {
    if (!carrying_ || pile_ == source_) return ChooseCard(e_, pile_, depth_);
    ChosenCard landing;
    landing.pile = pile_;
    landing.rect = CardRectAt(e_, LandingPlace(e_, pile_));
    return landing;
}

Rect TableKeys::Mark() const {
    if (!shown_) return {};
    const ChosenCard chosen = Chosen();
    return carrying_ && !(pile_ == source_) ? chosen.rect : FocusFrame(e_, chosen);
}

void TableKeys::TableChanged() {
    if (carrying_ && !hand_.Carrying()) carrying_ = false;
    if (OnTable(pile_)) {
        depth_ = std::min(depth_, std::max(0, static_cast<int>(ChoosableCards(e_, pile_).size()) - 1));
        return;
    }
    const std::vector<PileRef> order = WalkOrder(e_);
    pile_ = order.empty() ? PileRef{ListId::Tableau, 0} : order.front();
    depth_ = 0;
}

}  // namespace velmora
