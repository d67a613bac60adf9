// Reads arbitrary bytes as a directory's submission page: nothing may crash or fetch, and every
// control found must be found again the way a fill looks an element up, by its name or its id
// at its place among the elements that share them, and at no place beyond.
#include "directory_check/PageFields.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// How many of the first `end` controls a fill would count for `key`.
int32_t ControlsFor(const PageFields& page, const std::string& key, size_t end)
{
    int32_t count = 0;
    for (size_t i = 0; i < end; ++i)
        count += page.controls[i].name == key || page.controls[i].id == key ? 1 : 0;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const PageFields page =
        ReadPageFields(std::string_view(reinterpret_cast<const char*>(data), size));
    // Every control starts with a "<": a page has fewer than it has bytes.
    if (page.controls.size() > size)
        std::abort();
    for (size_t i = 0; i < page.controls.size(); ++i) {
        for (const std::string* key : {&page.controls[i].name, &page.controls[i].id}) {
            if (key->empty())
                continue;
            const FormField here{*key, FieldType::Edit, ControlsFor(page, *key, i), ""};
            const FormField beyond{*key, FieldType::Edit,
                                   ControlsFor(page, *key, page.controls.size()), ""};
            if (!page.Holds(here) || page.Holds(beyond))
                std::abort();
        }
    }
    return 0;
}
