#include "platform/free_memory.h"

// Any C library header defines __GLIBC__ where the library is glibc.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmora {

void ReturnFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void ShareOneHeap() {
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace velmora
