#pragma once
// The program's twelve pointer cursors, loaded from the resource library
// into numbered slots: 10-15 the normal shapes, 20-25 the same shapes while
// a run is carried. The "Cursor" setting names a slot; 10 means the
// system's own arrow.

#include <QCursor>

#include <map>
#include <optional>

namespace velmora {

class ResourceLibrary;

class CursorSlots {
  public:
    static constexpr int kSystemArrow = 10;
    static constexpr int kCarryingOffset = 10;

    // Takes the library the cursors come from. Each is read from it when
    // first asked for: a start shows one of the twelve, and decoding them
    // all took half a millisecond of it.
    void Load(const ResourceLibrary& library);

    // The cursor of a slot; none for an empty or unknown slot.
    std::optional<QCursor> Slot(int number) const;
    // The pointer of the "Cursor" setting: the system arrow for 10 and for
    // any number without a cursor.
    QCursor ForSetting(int setting) const;
    // The same shape while a run is carried (slot setting + 10).
    QCursor Carrying(int setting) const;

  private:
    const ResourceLibrary* library_ = nullptr;
    mutable std::map<int, std::optional<QCursor>> slots_;  // read so far
};

}  // namespace velmora
