#pragma once
// The count of cards on a squared pile whose cards under the top one are
// out of sight and matter to the player (a reserve dealt several cards and
// kept squared): a small label just below the pile, drawn with the pile.
// The stock of a game whose redeals gather the tableau (redeal mode 7)
// counts the redeals left the same way.

#include <QRect>

#include "engine/model/pile_names.h"
#include "render/draw_context.h"

namespace velmora {

// True when the pile shows its count (also while it is empty: its label's
// place is then cleared).
bool ShowsPileCount(const Engine& e, PileRef pile);

// The number the label shows: the pile's cards, or the stock's redeals left.
int PileCountShown(const Engine& e, PileRef pile);

// The strip below the pile's card that the label may take (window
// coordinates); empty when the pile shows no count.
QRect PileCountArea(const Engine& e, PileRef pile);

// The label of `count` in that strip: centred under the card.
QRect PileCountRect(const QRect& area, int count, int card_width);

// Clears the strip and draws the pile's count there (nothing for an empty
// pile), when the pile shows one.
void DrawPileCount(const DrawContext& ctx, Layer layer, PileRef pile);

}  // namespace velmora
