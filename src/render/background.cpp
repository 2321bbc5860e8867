#include "render/background.h"

#include <algorithm>

#include "engine/model/engine.h"
#include "platform/drawing.h"
#include "platform/resource_library.h"
#include "platform/surface.h"
#include "render/colour_value.h"
#include "render/table_surfaces.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

constexpr int64_t kLowColourScreen = 256;
constexpr int kFirstPlacedPicture = 500;
constexpr std::string_view kPictureNotFound = "Customized background image not found: ";

bool ManyColours(int64_t screen_colours) { return screen_colours > kLowColourScreen; }

QRgb DefaultColour(int64_t screen_colours) { return ManyColours(screen_colours) ? qRgb(0, 96, 0) : qRgb(0, 128, 0); }

int64_t RecordNumber(const ParamRecord& params, const SettingKey& key) {
    return DecimalField(params.ParamRead(key.position, key.length));
}

std::string PictureName(int number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return "B" + digits;
}

// A plain colour over the table and one row and column more; the fade, on
// screens that can show it, runs from the colour at the top to black.
void PaintColour(Surface& target, QSize extent, QRgb colour, bool fade, int64_t screen_colours) {
    const QRect area(0, 0, extent.width() + 1, extent.height() + 1);
    // The fade's bands cover the whole area: no plain fill beneath them.
    if (fade && ManyColours(screen_colours))
        VerticalGradient(target, area, colour, qRgb(0, 0, 0));
    else
        target.Fill(area, colour);
}

QRgb PaintedColour(const BackgroundChoice& choice, int64_t screen_colours) {
    return choice.kind == BackgroundKind::Default ? DefaultColour(screen_colours) : choice.colour;
}

// A picture from 500 on is made for the whole screen and is laid once at the
// top left; what it leaves uncovered is black, as a fresh table is, so no
// earlier table shows through and no erase brings old cards back.
void PlacePicture(Surface& target, QSize extent, const Surface& picture) {
    target.Fill(QRect(QPoint(0, 0), extent), qRgb(0, 0, 0));
    target.Copy(0, 0, picture, picture.Bounds());
}

bool PaintLibraryPicture(Surface& target, QSize extent, int number, const ResourceLibrary& library) {
    Surface picture;
    if (!LoadResourceBitmap(library, PictureName(number), &picture)) return false;
    if (number < kFirstPlacedPicture) {
        TilePicture(target, extent.width(), extent.height(), picture);
    } else {
        PlacePicture(target, extent, picture);
    }
    return true;
}

bool PaintPlayersPicture(Surface& target, QSize extent, const std::string& file) {
    Surface picture;
    if (!LoadPictureFile(&picture, file)) return false;
    TilePicture(target, extent.width(), extent.height(), picture);
    return true;
}

// The player's picture could not be shown: say so once, and switch the
// settings to the default table so the message does not come back.
void GiveUpPlayersPicture(Engine& engine, const std::string& file) {
    engine.messages->ShowInfo(std::string(kPictureNotFound) + PictureFilePath(file));
    engine.params.ParamWrite(key::kCustomizedBackgroundSet, 1, "N");
    engine.params.ParamWrite(key::kBackgroundDef.position, 1, "Y");
    SettingsFile settings = OpenSettingsFile(engine.params);
    settings.Write(key::kCustomizedBackground, "");
    settings.WriteFlag(key::kBackgroundDef, true);
}

// A plain or fading colour is painted where it is needed; pictures are
// read again, as the player's file may have changed, and held.
bool Repeatable(const BackgroundChoice& choice) {
    return choice.kind == BackgroundKind::Default || choice.kind == BackgroundKind::Colour;
}

// The background as `choice` shows it, `target` holding it already painted.
void ShowBackground(TableSurfaces& surfaces, const BackgroundChoice& choice, const ResourceLibrary& library,
                    const Surface& target, int64_t screen_colours) {
    const QSize extent = surfaces.extent;
    if (Repeatable(choice)) {
        const bool fade = choice.kind == BackgroundKind::Colour && choice.fade && ManyColours(screen_colours);
        surfaces.background.ShowColour(PaintedColour(choice, screen_colours), fade,
                                       QRect(0, 0, extent.width() + 1, extent.height() + 1));
        return;
    }
    Surface& held = surfaces.background.Held();
    if (target.Bounds() == held.Bounds() && target.Scale() == held.Scale())
        held.Copy(0, 0, target, target.Bounds());
    else
        PaintBackground(held, extent, choice, library, screen_colours);
}

}  // namespace

QRgb DefaultTableColour(int64_t screen_colours) { return DefaultColour(screen_colours); }

BackgroundChoice ChooseBackground(const Engine& engine, int64_t screen_colours) {
    const ParamRecord& params = engine.params;
    BackgroundChoice choice;
    if (params.IsYes(key::kBackgroundDef.position)) {
        choice.colour = DefaultTableColour(screen_colours);
        return choice;
    }
    if (params.IsYes(key::kCustomizedBackgroundSet)) {
        choice.kind = BackgroundKind::PlayersPicture;
        choice.file = OpenSettingsFile(params).Read(key::kCustomizedBackground);
        return choice;
    }
    if (const int64_t picture = RecordNumber(params, key::kBackgroundBmp); picture > 0) {
        choice.kind = BackgroundKind::Picture;
        choice.picture = static_cast<int>(std::min<int64_t>(picture, 9999));
        return choice;
    }
    const int64_t fixed = RecordNumber(params, key::kBackgroundFixedCol);
    choice.kind = BackgroundKind::Colour;
    choice.colour = ColourFromValue(fixed > 0 ? fixed : RecordNumber(params, key::kBackgroundCol));
    choice.fade = params.IsYes(key::kFadeBackground.position);
    return choice;
}

bool PaintBackground(Surface& target, QSize extent, const BackgroundChoice& choice,
                     const ResourceLibrary& library, int64_t screen_colours) {
    switch (choice.kind) {
        case BackgroundKind::Default:
            PaintColour(target, extent, DefaultTableColour(screen_colours), false, screen_colours);
            return true;
        case BackgroundKind::Colour:
            PaintColour(target, extent, choice.colour, choice.fade, screen_colours);
            return true;
        case BackgroundKind::Picture:
            return PaintLibraryPicture(target, extent, choice.picture, library);
        case BackgroundKind::PlayersPicture:
            return PaintPlayersPicture(target, extent, choice.file);
    }
    return false;
}

void DrawBackground(TableSurfaces& surfaces, Engine& engine, const ResourceLibrary& library, Surface& target,
                    bool target_only, int64_t screen_colours) {
    const QSize extent = surfaces.extent;
    BackgroundChoice choice = ChooseBackground(engine, screen_colours);
    if (!PaintBackground(target, extent, choice, library, screen_colours)) {
        if (choice.kind == BackgroundKind::PlayersPicture) GiveUpPlayersPicture(engine, choice.file);
        choice = BackgroundChoice{};
        PaintBackground(target, extent, choice, library, screen_colours);
    }
    if (!target_only) ShowBackground(surfaces, choice, library, target, screen_colours);
}

void CopyBackground(const TableSurfaces& surfaces, Surface& target) {
    surfaces.background.PaintOn(target, 0, 0, QRect(0, 0, target.Width(), target.Height()));
}

}  // namespace velmora
