#pragma once

#include <atomic>
#include <cstdint>
#include <list>
#include <sqlite3.h>

// An SQLite file system that passes everything to the default one but gives out only a budget
// of written bytes, then fails every write the way a full disk does (SQLITE_FULL, which is what
// SQLite makes of ENOSPC).
namespace full_disk_vfs {

inline constexpr const char* kName = "kestrine-full-disk";

namespace detail {

// A copy of one of the default file system's method tables with its write replaced. The
// database, its journal and its WAL do not all use the same table.
struct PatchedMethods
{
    sqlite3_io_methods methods; // first, so a file's pMethods leads back to the whole
    const sqlite3_io_methods* real;
};

inline sqlite3_vfs* g_real = nullptr;
inline sqlite3_vfs g_vfs{};
inline std::list<PatchedMethods> g_patched;
inline std::atomic<int64_t> g_budget{0};

inline int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
{
    if (g_budget.fetch_sub(amount) < amount)
        return SQLITE_FULL;
    const auto* patched = reinterpret_cast<const PatchedMethods*>(file->pMethods);
    return patched->real->xWrite(file, data, amount, offset);
}

inline const sqlite3_io_methods* Patch(const sqlite3_io_methods* real)
{
    for (const PatchedMethods& patched : g_patched) {
        if (patched.real == real)
            return &patched.methods;
    }
    PatchedMethods& patched = g_patched.emplace_back(PatchedMethods{*real, real});
    patched.methods.xWrite = &Write;
    return &patched.methods;
}

inline int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    const int result = g_real->xOpen(g_real, name, file, flags, outFlags);
    if (result == SQLITE_OK && file->pMethods)
        file->pMethods = Patch(file->pMethods);
    return result;
}

} // namespace detail

// Registers the file system (once) and sets how many bytes it writes before the disk is full.
// Files are opened on one thread at a time in the tests, so the method tables need no lock.
inline void SetBudget(int64_t bytes)
{
    using namespace detail;
    if (!g_real) {
        g_real = sqlite3_vfs_find(nullptr);
        g_vfs = *g_real;
        g_vfs.zName = kName;
        g_vfs.pNext = nullptr;
        g_vfs.xOpen = &Open;
        sqlite3_vfs_register(&g_vfs, 0);
    }
    g_budget = bytes;
}

} // namespace full_disk_vfs
