// memory.cpp - the global and local heaps: fixed and moveable blocks, lock counts, handles.
// A fixed block's handle is its address; a moveable block's handle is a separate value whose block may move
// on reallocation while it is unlocked. Every block is tracked, so a foreign or freed handle is refused.
#include "common/world_state.h"
#include "host/inspect.h"
#include "win/winbase.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace {

struct Block {
    BYTE* data;
    SIZE_T size;
    UINT flags;
    UINT lockCount;
};

struct Heap {
    std::mutex mutex;
    std::map<uintptr_t, Block> byHandle;        // handle value -> block
    std::map<uintptr_t, uintptr_t> byAddress;   // block address -> handle value
    uintptr_t nextMoveable = 0x00100004;        // the next moveable handle
};

Heap& TheHeap()
{
    static Heap* heap = new Heap();
    return *heap;
}

// malloc(0) may answer null; a block always has an address of its own.
BYTE* AllocateBytes(SIZE_T size, bool zero)
{
    void* p = zero ? std::calloc(size == 0 ? 1 : size, 1) : std::malloc(size == 0 ? 1 : size);
    return static_cast<BYTE*>(p);
}

// Moveable handles are 4 more than a multiple of 8, so they never equal the address of a block, which the
// allocator aligns to 8 at least.
uintptr_t NewMoveableHandle(Heap& heap)
{
    const uintptr_t handle = heap.nextMoveable;
    heap.nextMoveable += 8;
    return handle;
}

Block* FindBlock(Heap& heap, HGLOBAL hMem)
{
    const auto it = heap.byHandle.find(reinterpret_cast<uintptr_t>(hMem));
    return it == heap.byHandle.end() ? nullptr : &it->second;
}

} // namespace

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes)
{
    if (platform::ShouldFail(platform::FaultKind::GlobalAlloc)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (dwBytes > 0x7FFFFFFF) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    BYTE* data = AllocateBytes(dwBytes, (uFlags & GMEM_ZEROINIT) != 0);
    if (data == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    const auto address = reinterpret_cast<uintptr_t>(data);
    uintptr_t handle = address;
    if (uFlags & GMEM_MOVEABLE)
        handle = NewMoveableHandle(heap);
    heap.byHandle[handle] = Block{data, dwBytes, uFlags & (GMEM_MOVEABLE | GMEM_DISCARDABLE), 0};
    heap.byAddress[address] = handle;
    return reinterpret_cast<HGLOBAL>(handle);
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem)
{
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    Block* block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if ((block->flags & GMEM_MOVEABLE) && block->lockCount < GMEM_LOCKCOUNT)
        ++block->lockCount;
    return block->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL hMem)
{
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    Block* block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!(block->flags & GMEM_MOVEABLE))
        return TRUE;   // a fixed block has no lock count: unlocking it changes nothing and succeeds
    if (block->lockCount == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    --block->lockCount;
    if (block->lockCount == 0) {
        SetLastError(NO_ERROR);
        return FALSE;
    }
    return TRUE;
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags)
{
    Heap& heap = TheHeap();
    std::unique_lock lock(heap.mutex);
    Block* block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (uFlags & GMEM_MODIFY) {
        if (!(uFlags & GMEM_MOVEABLE) || (block->flags & GMEM_MOVEABLE))
            return hMem;
        // A fixed block turned moveable needs a handle of its own: its address stays a plain pointer, and once
        // the block moves that address may belong to the next block allocated.
        Block converted = *block;
        converted.flags |= GMEM_MOVEABLE;
        const uintptr_t handle = NewMoveableHandle(heap);
        heap.byHandle.erase(reinterpret_cast<uintptr_t>(hMem));
        heap.byHandle[handle] = converted;
        heap.byAddress[reinterpret_cast<uintptr_t>(converted.data)] = handle;
        return reinterpret_cast<HGLOBAL>(handle);
    }
    lock.unlock();
    const bool fail = platform::ShouldFail(platform::FaultKind::GlobalAlloc) || dwBytes > 0x7FFFFFFF;
    lock.lock();
    block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // A fixed block, or a locked moveable one, may only move when the caller allows it with GMEM_MOVEABLE.
    const bool unlockedMoveable = (block->flags & GMEM_MOVEABLE) && block->lockCount == 0;
    const bool mayMove = unlockedMoveable || (uFlags & GMEM_MOVEABLE) != 0;
    if (fail || (!mayMove && dwBytes > block->size)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;   // the old block stays as it was
    }
    if (dwBytes <= block->size && !mayMove) {
        block->size = dwBytes;
        return hMem;
    }
    // Always move when allowed, so that callers who keep a stale address are caught by the sanitizers.
    BYTE* data = AllocateBytes(dwBytes, false);
    if (data == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    const SIZE_T keep = dwBytes < block->size ? dwBytes : block->size;
    std::memcpy(data, block->data, keep);
    if (dwBytes > keep)
        std::memset(data + keep, 0, dwBytes - keep);   // zero the growth whatever the flags: no stale bytes
    heap.byAddress.erase(reinterpret_cast<uintptr_t>(block->data));
    std::free(block->data);
    const auto address = reinterpret_cast<uintptr_t>(data);
    if (block->flags & GMEM_MOVEABLE) {
        block->data = data;
        block->size = dwBytes;
        heap.byAddress[address] = reinterpret_cast<uintptr_t>(hMem);
        return hMem;
    }
    Block moved = *block;
    heap.byHandle.erase(reinterpret_cast<uintptr_t>(hMem));
    moved.data = data;
    moved.size = dwBytes;
    heap.byHandle[address] = moved;
    heap.byAddress[address] = address;
    return reinterpret_cast<HGLOBAL>(address);
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem)
{
    if (hMem == nullptr)
        return nullptr;
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    Block* block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return hMem;
    }
    heap.byAddress.erase(reinterpret_cast<uintptr_t>(block->data));
    std::free(block->data);
    heap.byHandle.erase(reinterpret_cast<uintptr_t>(hMem));
    return nullptr;
}

HGLOBAL WINAPI GlobalHandle(LPCVOID pMem)
{
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    const auto it = heap.byAddress.find(reinterpret_cast<uintptr_t>(pMem));
    if (it == heap.byAddress.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return reinterpret_cast<HGLOBAL>(it->second);
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem)
{
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    const Block* block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return block->size;
}

UINT WINAPI GlobalFlags(HGLOBAL hMem)
{
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    const Block* block = FindBlock(heap, hMem);
    if (block == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return GMEM_INVALID_HANDLE;
    }
    return (block->flags & GMEM_DISCARDABLE) | block->lockCount;
}

HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes)
{
    return GlobalAlloc(uFlags, uBytes);
}

HLOCAL WINAPI LocalFree(HLOCAL hMem)
{
    return GlobalFree(hMem);
}

namespace host {

unsigned LiveGlobalBlocks()
{
    Heap& heap = TheHeap();
    std::lock_guard lock(heap.mutex);
    return static_cast<unsigned>(heap.byHandle.size());
}

} // namespace host
