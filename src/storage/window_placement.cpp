#include "storage/window_placement.h"

#include "storage/preference_keys.h"

namespace velmora {
namespace {

constexpr int kScreenMargin = 150;

int ReadSize(const SettingsFile& file, const SettingKey& key, int screen_size) {
    const int fallback = screen_size - kScreenMargin;
    const int size = file.ReadInt(key, fallback);
    return size >= 1 ? size : fallback;
}

}  // namespace

WindowPlacement ReadWindowPlacement(const SettingsFile& file, int screen_width, int screen_height) {
    WindowPlacement placement;
    placement.left = file.ReadInt(key::kWindowLeft);
    placement.top = file.ReadInt(key::kWindowTop);
    placement.width = ReadSize(file, key::kWindowWidth, screen_width);
    placement.height = ReadSize(file, key::kWindowHeight, screen_height);
    placement.maximized = file.IsYes(key::kWindowMaximized);
    return placement;
}

bool WriteWindowPlacement(SettingsFile& file, const WindowPlacement& placement) {
    if (placement.maximized) return file.WriteFlag(key::kWindowMaximized, true);
    bool ok = file.WriteFlag(key::kWindowMaximized, false);
    ok = file.WriteInt(key::kWindowLeft, placement.left) && ok;
    ok = file.WriteInt(key::kWindowTop, placement.top) && ok;
    ok = file.WriteInt(key::kWindowWidth, placement.width) && ok;
    return file.WriteInt(key::kWindowHeight, placement.height) && ok;
}

}  // namespace velmora
