#include "platform/memory_settings.h"

#include <malloc.h>

namespace {
// Blocks below this come from the heap (and are reused) rather than from a mapping of
// their own that is returned at once; a page buffer is well below it.
constexpr int kMapThresholdBytes = 32 * 1024 * 1024;
// The heap gives back its free top only beyond this, so one page's buffer stays for the next.
constexpr int kTrimThresholdBytes = 64 * 1024 * 1024;
}  // namespace

void keep_freed_memory() {
    mallopt(M_MMAP_THRESHOLD, kMapThresholdBytes);
    mallopt(M_TRIM_THRESHOLD, kTrimThresholdBytes);
}

void give_back_freed_memory() { malloc_trim(0); }
