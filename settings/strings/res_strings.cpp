// res_strings.cpp - the string cache over the resource library: an index of pool offsets by id, and a pool
// of texts stored back to back. The spooler calls the driver on several threads, so one lock guards it all.
//
// The pool is a chain of blocks that never move: a pointer handed out stays valid while callers hold other
// texts and new ones are added. Its capacity starts at 102,400 bytes and grows in steps of 1,024 bytes, each
// growth adding one block that covers the new bytes; a text that does not fit into the tail of the last block
// starts the new one, so every text lies whole in one block.
#include "settings/strings/res_strings.h"
#include "settings/base/global_memory.h"
#include "settings/strings/res_library.h"

#include <cstring>
#include <mutex>
#include <type_traits>

namespace {

constexpr UINT kFirstStringId = 20000;
constexpr UINT kLastStringId = 64000;
constexpr DWORD kIndexEntries = kLastStringId - kFirstStringId + 1;
constexpr DWORD kNotLoaded = 0xFFFFFFFF;
constexpr int kScratchChars = 1000;
constexpr DWORD kInitialPoolBytes = 102400;
constexpr DWORD kPoolStepBytes = 1024;

// 21200 names the paper id that has no size; its name is always shown empty, whatever the library holds.
constexpr UINT kAlwaysEmptyId = 21200;

struct RES_POOL_BLOCK {
    RES_POOL_BLOCK* pNext;
    DWORD dwStart;       // pool offset of the block's first text byte
    DWORD cbSize;        // text bytes in this block; they follow the header
};

struct RES_STRING_CACHE {
    HMODULE hModule;
    DWORD cReferences;
    DWORD* pIndex;       // pool offset per id, kNotLoaded where the text is not cached yet
    RES_POOL_BLOCK* pFirstBlock;
    RES_POOL_BLOCK* pLastBlock;
    DWORD cbUsed;
    DWORD cbCapacity;
};

} // namespace

// Plain data and a mutex that needs no constructor call: nothing runs when a module is loaded.
static_assert(std::is_trivially_destructible_v<std::mutex>);
constinit static std::mutex g_cacheLock;
constinit static RES_STRING_CACHE g_cache = {};

static constexpr WCHAR kEmptyText[1] = {u'\0'};

static RES_POOL_BLOCK* AllocPoolBlock(DWORD dwStart, DWORD cbSize)
{
    auto* pBlock = static_cast<RES_POOL_BLOCK*>(AllocLockedBlock(sizeof(RES_POOL_BLOCK) + cbSize));
    if (pBlock == nullptr)
        return nullptr;
    pBlock->pNext = nullptr;
    pBlock->dwStart = dwStart;
    pBlock->cbSize = cbSize;
    return pBlock;
}

static void FreeResStringCache()
{
    FreeLockedBlock(g_cache.pIndex);
    for (RES_POOL_BLOCK* pBlock = g_cache.pFirstBlock; pBlock != nullptr;) {
        RES_POOL_BLOCK* pNext = pBlock->pNext;
        FreeLockedBlock(pBlock);
        pBlock = pNext;
    }
    g_cache.pIndex = nullptr;
    g_cache.pFirstBlock = nullptr;
    g_cache.pLastBlock = nullptr;
    g_cache.cbUsed = 0;
    g_cache.cbCapacity = 0;
}

// The index (every entry "not loaded") and the first pool block; FALSE, with nothing kept, when short of memory.
static BOOL AllocResStringCache()
{
    auto* pIndex = static_cast<DWORD*>(AllocLockedBlock(kIndexEntries * sizeof(DWORD)));
    if (pIndex == nullptr)
        return FALSE;
    RES_POOL_BLOCK* pBlock = AllocPoolBlock(0, kInitialPoolBytes);
    if (pBlock == nullptr) {
        FreeLockedBlock(pIndex);
        return FALSE;
    }
    std::memset(pIndex, 0xFF, kIndexEntries * sizeof(DWORD));
    g_cache.pIndex = pIndex;
    g_cache.pFirstBlock = pBlock;
    g_cache.pLastBlock = pBlock;
    g_cache.cbUsed = 0;
    g_cache.cbCapacity = kInitialPoolBytes;
    return TRUE;
}

static WCHAR* PoolAddress(DWORD offset)
{
    for (RES_POOL_BLOCK* pBlock = g_cache.pFirstBlock; pBlock != nullptr; pBlock = pBlock->pNext) {
        if (offset >= pBlock->dwStart && offset - pBlock->dwStart < pBlock->cbSize)
            return reinterpret_cast<WCHAR*>(reinterpret_cast<BYTE*>(pBlock + 1) + (offset - pBlock->dwStart));
    }
    return nullptr;
}

// Room for cb bytes in one block; grows the pool when the last block is full. Null, with the cache as it
// was, when the new block cannot be allocated.
static WCHAR* ReservePoolBytes(DWORD cb, DWORD* pOffset)
{
    if (g_cache.cbUsed + cb <= g_cache.cbCapacity) {
        *pOffset = g_cache.cbUsed;
        g_cache.cbUsed += cb;
        return PoolAddress(*pOffset);
    }
    const DWORD dwStart = g_cache.cbCapacity;
    DWORD cbCapacity = g_cache.cbCapacity;
    while (cbCapacity < dwStart + cb)
        cbCapacity += kPoolStepBytes;
    RES_POOL_BLOCK* pBlock = AllocPoolBlock(dwStart, cbCapacity - dwStart);
    if (pBlock == nullptr)
        return nullptr;
    g_cache.pLastBlock->pNext = pBlock;
    g_cache.pLastBlock = pBlock;
    g_cache.cbCapacity = cbCapacity;
    g_cache.cbUsed = dwStart + cb;
    *pOffset = dwStart;
    return reinterpret_cast<WCHAR*>(pBlock + 1);
}

HMODULE InitResStrings()
{
    std::lock_guard lock(g_cacheLock);
    ++g_cache.cReferences;
    if (g_cache.hModule == nullptr)
        g_cache.hModule = LoadResLibrary();
    if (g_cache.hModule != nullptr && g_cache.pIndex == nullptr)
        AllocResStringCache();   // a failure here is retried by the first GetResString
    return g_cache.hModule;
}

void TermResStrings()
{
    std::lock_guard lock(g_cacheLock);
    if (g_cache.cReferences == 0)
        return;
    if (--g_cache.cReferences > 0)
        return;
    if (g_cache.hModule != nullptr)
        FreeLibrary(g_cache.hModule);
    g_cache.hModule = nullptr;
    FreeResStringCache();
}

LPCWSTR GetResString(UINT id)
{
    if (id < kFirstStringId || id > kLastStringId)
        return kEmptyText;
    std::lock_guard lock(g_cacheLock);
    if (g_cache.hModule == nullptr)
        return kEmptyText;
    if (g_cache.pIndex == nullptr && !AllocResStringCache())
        return kEmptyText;
    if (id == kAlwaysEmptyId)
        return kEmptyText;
    const DWORD cached = g_cache.pIndex[id - kFirstStringId];
    if (cached != kNotLoaded)
        return PoolAddress(cached);

    WCHAR scratch[kScratchChars];
    const int cch = LoadStringW(g_cache.hModule, id, scratch, kScratchChars);
    if (cch <= 0 || cch > kScratchChars - 1)
        return kEmptyText;
    const DWORD cbText = static_cast<DWORD>(cch) * sizeof(WCHAR);
    DWORD offset = 0;
    WCHAR* pText = ReservePoolBytes(cbText + sizeof(WCHAR), &offset);
    if (pText == nullptr)
        return kEmptyText;
    std::memcpy(pText, scratch, cbText);
    pText[cch] = u'\0';
    g_cache.pIndex[id - kFirstStringId] = offset;
    return pText;
}

int GetResStringLength(UINT id)
{
    if (id < kFirstStringId || id > kLastStringId)
        return 0;
    std::lock_guard lock(g_cacheLock);
    if (g_cache.hModule == nullptr)
        return 0;
    WCHAR scratch[kScratchChars];
    const int cch = LoadStringW(g_cache.hModule, id, scratch, kScratchChars);
    return cch > 0 ? cch : 0;
}
