#pragma once
// global_memory.h - blocks of the Windows global heap as the settings core uses them: moveable, zero-filled,
// locked for as long as they live, and freed again through the address the lock gave.

#include "win/winbase.h"

// Allocates cb bytes (moveable, zero-filled) and locks them; null when the heap refuses.
void* AllocLockedBlock(SIZE_T cb);

// Unlocks and frees a block from AllocLockedBlock; null is ignored.
void FreeLockedBlock(void* pBlock);

// Owns one locked block for the length of a scope: LockedBlock buffer(cb); if (!buffer) ...; buffer.get().
class LockedBlock {
public:
    explicit LockedBlock(SIZE_T cb) : m_block(cb != 0 ? AllocLockedBlock(cb) : nullptr) {}
    ~LockedBlock() { FreeLockedBlock(m_block); }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    explicit operator bool() const { return m_block != nullptr; }
    void* get() const { return m_block; }
    template <typename T> T* as() const { return static_cast<T*>(m_block); }
    // Hands the block to the caller, who frees it with FreeLockedBlock.
    void* release()
    {
        void* block = m_block;
        m_block = nullptr;
        return block;
    }

private:
    void* m_block;
};
