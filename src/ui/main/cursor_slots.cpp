#include "ui/main/cursor_slots.h"

#include <string>
#include <utility>

#include "platform/resource_library.h"

namespace velmora {

namespace {

constexpr std::pair<const char*, int> kCursorNames[] = {
    {"CUR_ARROW1A", 10},      {"CUR_ARROW1B", 20},      {"CUR_ARROW2A", 11},
    {"CUR_ARROW2B", 21},      {"CUR_RIGHT_HAND1A", 12}, {"CUR_RIGHT_HAND1B", 22},
    {"CUR_RIGHT_HAND2A", 13}, {"CUR_RIGHT_HAND2B", 23}, {"CUR_LEFT_HAND1A", 14},
    {"CUR_LEFT_HAND1B", 24},  {"CUR_LEFT_HAND2A", 15},  {"CUR_LEFT_HAND2B", 25},
};

}  // namespace

void CursorSlots::Load(const ResourceLibrary& library) {
    library_ = &library;
    slots_.clear();
}

std::optional<QCursor> CursorSlots::Slot(int number) const {
    const auto it = slots_.find(number);
    if (it != slots_.end()) return it->second;
    std::optional<QCursor> cursor;
    for (const auto& [name, slot] : kCursorNames)
        if (slot == number && library_) cursor = library_->Cursor(name);
    slots_.emplace(number, cursor);
    return cursor;
}

QCursor CursorSlots::ForSetting(int setting) const {
    if (setting == kSystemArrow) return QCursor(Qt::ArrowCursor);
    return Slot(setting).value_or(QCursor(Qt::ArrowCursor));
}

QCursor CursorSlots::Carrying(int setting) const {
    if (setting == kSystemArrow) return QCursor(Qt::ArrowCursor);
    return Slot(setting + kCarryingOffset).value_or(QCursor(Qt::ArrowCursor));
}

}  // namespace velmora
