#pragma once
// global_block.h - zero-filled blocks of the global heap, handed out locked and given back by address.

#include "win/windows.h"

// A moveable, zero-filled block of cb bytes, locked; null when the heap is short (or cb is 0).
void* AllocGlobalBlock(SIZE_T cb);

// Unlocks and frees a block from AllocGlobalBlock, found by its address; null is ignored.
void FreeGlobalBlock(void* block);

// Owns one block for the length of a scope: GlobalBlock buffer(cb); if (!buffer) ...; buffer.get().
class GlobalBlock {
public:
    explicit GlobalBlock(SIZE_T cb) : m_block(AllocGlobalBlock(cb)) {}
    ~GlobalBlock() { FreeGlobalBlock(m_block); }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    explicit operator bool() const { return m_block != nullptr; }
    void* get() const { return m_block; }
    template <typename T> T* as() const { return static_cast<T*>(m_block); }
    // Hands the block to the caller, who frees it with FreeGlobalBlock.
    void* release()
    {
        void* block = m_block;
        m_block = nullptr;
        return block;
    }

private:
    void* m_block;
};
