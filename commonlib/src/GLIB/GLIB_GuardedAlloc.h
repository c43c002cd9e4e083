// Allocation that turns a failure into a call of the globals' out-of-memory handler. The default handler
// gives back the memory reserve, so that reporting the failure has room to run, and throws
// GLIB_BadAllocException with the caller's size and position.
#pragma once

#include <cstddef>
#include <cstdint>

using OutOfMemoryHandler = void (*)(uint32_t size, const char* sourceFile, int32_t line);

// A block of `size` bytes, to be freed with GLIB_GuardedFree; null only when an installed handler returns.
// A size beyond 32 bits cannot be served and is reported as 0xFFFFFFFF.
void* GLIB_GuardedAlloc(std::size_t size, int32_t line, const char* sourceFile);
void GLIB_GuardedFree(void* block);

#define GLIB_GUARDED_ALLOC(size) GLIB_GuardedAlloc((size), __LINE__, __FILE__)

void GLIB_DefaultOutOfMemoryHandler(uint32_t size, const char* sourceFile, int32_t line);

// The allocator under GLIB_GuardedAlloc, for blocks whose failure the caller reports itself: null on failure.
void* GLIB_RawAlloc(std::size_t size);
