#pragma once
// What a press, a release and a double click on the table do. The window
// finds the pile and card under the pointer and does the visual part (the
// drag image, the cursor, drawing a peeked card); these functions decide
// which engine action runs. Beeps are made here, through the view.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/engine.h"
#include "engine/play/drop_candidates.h"

namespace velmora {

enum class Button { Left, Right, Middle };

struct PressResult {
    enum Kind {
        Nothing,  // the press changed nothing (a refused selection has beeped)
        Beep,     // the press was refused; the engine has beeped
        Handled,  // an engine action ran (stock, turn, selection, click move)
        PickUp,   // `card` with the cards above it is carried from `pile`
        Peek,     // show `card` of `pile` whole until the release
    };
    Kind kind = Nothing;
    int card = 0;
    std::string pile;
};

// A press on card `card` (0: none) of pile `pile` ("" when the pointer hit
// no pile). Nothing happens unless a game is in progress and no run is
// carried; while the engine is busy a press only beeps; a press that a
// double click left to be ignored is swallowed.
PressResult PointerPress(Engine& e, std::string_view pile, int card, Button button, bool ctrl);

// The left press that starts dragging `card` from `pile`, or Nothing when
// the pick-up rules do not let it go (or no game is in progress).
PressResult PickUpToDrag(Engine& e, std::string_view pile, int card);

// The release after `press`: an armed redeal is carried out; a carried run
// that `moved` is dropped on the first of `candidates` that takes it (a
// refused drop beeps); then the gaps are filled and automatic play runs.
// A carried run that stays (not moved, or refused) is handed to
// `put_back` before that, so the window returns it to its pile before any
// automatic move is drawn. True when a drop or the redeal was made.
bool PointerRelease(Engine& e, const PressResult& press, const std::vector<DropCandidate>& candidates, bool moved,
                    const std::function<void()>& put_back = {});

// The pointer left the pressed redeal mark: the redeal is not carried out.
void PointerLeftRedealMark(Engine& e);

// A double click on card `card` of pile `pile`: the card goes where the
// double-click settings (positions 249, 251) send it, and the second press
// of the double click is then ignored. A double click on the stock only
// clears that. True when the card moved.
bool PointerDoubleClick(Engine& e, std::string_view pile, int card);

}  // namespace velmora
