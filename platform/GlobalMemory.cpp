#include <cstdlib>
#include <cstring>

#include "HandleTable.h"
#include "vtrsys.h"

namespace vtrsys {
namespace {

struct Block {
  UINT flags = 0;
  size_t size = 0;
  uint32_t lockCount = 0;
  unsigned char* bytes = nullptr;
  ~Block() { std::free(bytes); }
};

// Larger requests fail as an exhausted heap would, instead of overflowing
// size arithmetic further on.
constexpr size_t kMaxBlock = size_t(1) << 31;

HandleTable<Block>& blocks() {
  static Immortal<HandleTable<Block>> table(1u);
  return table.get();
}

Block* findBlock(HGLOBAL handle) { return blocks().find(reinterpret_cast<uintptr_t>(handle)); }

}  // namespace
}  // namespace vtrsys

using vtrsys::Block;
using vtrsys::findBlock;

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
  if (bytes > vtrsys::kMaxBlock) return nullptr;
  auto block = std::make_unique<Block>();
  // One byte at least, so that a zero-sized block still has an address.
  size_t allocated = bytes ? bytes : 1;
  block->bytes = static_cast<unsigned char*>((flags & GMEM_ZEROINIT) ? std::calloc(allocated, 1)
                                                                     : std::malloc(allocated));
  if (!block->bytes) return nullptr;
  block->flags = flags & (GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE);
  block->size = bytes;
  return reinterpret_cast<HGLOBAL>(vtrsys::blocks().add(std::move(block)));
}

void* WINAPI GlobalLock(HGLOBAL handle) {
  Block* block = findBlock(handle);
  if (!block) return nullptr;
  ++block->lockCount;
  return block->bytes;
}

BOOL WINAPI GlobalUnlock(HGLOBAL handle) {
  Block* block = findBlock(handle);
  if (!block || block->lockCount == 0) return 0;
  --block->lockCount;
  return block->lockCount != 0;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL handle) {
  return vtrsys::blocks().remove(reinterpret_cast<uintptr_t>(handle)) ? nullptr : handle;
}

SIZE_T WINAPI GlobalSize(HGLOBAL handle) {
  Block* block = findBlock(handle);
  return block ? block->size : 0;
}

UINT WINAPI GlobalFlags(HGLOBAL handle) {
  Block* block = findBlock(handle);
  if (!block) return GMEM_INVALID_HANDLE;
  return (block->flags & ~0xFFu) | (block->lockCount & 0xFFu);
}

}  // extern "C"
