// Feeds arbitrary bytes to the profile loader: it must neither crash nor make up more profiles
// than the bytes can hold, and what it saves must load back to the very same bytes.
#include "profiles/ProfileStore.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::string Saved(const CProfileStore& store)
{
    std::ostringstream out;
    store.SaveProfiles(out);
    return out.str();
}

CProfileStore Loaded(const std::string& bytes)
{
    std::istringstream in(bytes);
    CProfileStore store;
    if (!store.LoadProfiles(in))
        std::abort();
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CProfileStore store = Loaded(std::string(reinterpret_cast<const char*>(data), size));
    // Each block the bytes hold takes eleven lines of at least a byte; beyond them the loader
    // makes up at most a thousand empty ones.
    if (store.Profiles().size() > size / 11 + 1 + 1000)
        std::abort();

    const std::string once = Saved(store);
    if (Saved(Loaded(once)) != once)
        std::abort();
    return 0;
}
