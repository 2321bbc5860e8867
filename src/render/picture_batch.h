#pragma once
// Fitted card pictures drawn side by side by the application's helper
// threads. Each helper takes the next picture no one has taken, the slowest
// (court cards, then the back) first, so a helper may join at any time and
// none is left waiting on another's share. A batch may be started long
// before its pictures are wanted (while the program is still starting) and
// narrowed to the pictures the table turns out to show.

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/fitted_key.h"

class QThreadPool;

namespace velmora {

// The application's thread pool, whose helpers draw the pictures.
QThreadPool* PictureHelpers();

// The art's picture of face `image_index` (0-51, the joker 52) and of the
// back; a null image where the art has none.
QImage DrawFittedFace(const FittedKey& key, int image_index);
QImage DrawFittedBack(const FittedKey& key);
// The art's empty-pile mark of that code; a null image for a code it lacks.
QImage DrawFittedMark(const FittedKey& key, const std::string& code);

class PictureBatch {
public:
    // The faces of these image indexes, with `back` the back, and the
    // empty-pile marks of these codes.
    PictureBatch(const FittedKey& key, const std::vector<int>& faces, bool back,
                 const std::vector<std::string>& marks = {});
    // Stops handing out pictures; a helper still drawing one ends on its own.
    ~PictureBatch();
    PictureBatch(const PictureBatch&) = delete;
    PictureBatch& operator=(const PictureBatch&) = delete;

    const FittedKey& Key() const;

    // Where the pictures may be had without drawing them: asked once, by the
    // first helper, before anything is drawn. It gives every picture of the
    // batch in its order (the faces, the back, the marks) or nothing, and
    // then the helpers draw them. Set before adding helpers.
    using Stored = std::function<std::optional<std::vector<QImage>>()>;
    void LookFirstIn(Stored stored);
    // Puts `count` more helpers to work on the pictures not yet taken.
    void AddHelpers(int count);

    // The faces and back not among these are no longer drawn (those drawn
    // already are dropped when taken); the marks stay wanted.
    void Narrow(const std::vector<int>& faces, bool back);
    // How many wanted pictures no helper has taken yet.
    int Untaken() const;
    // Until no helper is drawing any more: every wanted picture is drawn,
    // provided a helper was added.
    void Wait();

    struct Drawn {
        int face = -1;     // the image index, or -1 for the back or a mark
        std::string mark;  // the mark's code, or empty
        QImage image;
    };
    // After Wait: the wanted pictures drawn, handed over.
    std::vector<Drawn> Take();

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace velmora
