#pragma once
// Hands the memory the program freed back to the system. The C library keeps
// freed blocks for its next allocations, so a process that drew many large
// pictures once (the faces of a first table) would otherwise stay as large
// as at its peak while it waits for the player.

namespace velmora {

// Returns the free pages of the allocator's heaps to the system; nothing
// where the C library offers no way to.
void ReturnFreeMemory();

// One heap for all threads, set before any thread starts: the helpers that
// draw the first table's pictures would otherwise each keep a heap of their
// own, with pages nothing gives back while they wait for work.
void ShareOneHeap();

}  // namespace velmora
