// Feeds arbitrary bytes to the settings reader and writer. The input is a probe number, a value
// and, after a NUL, the file. What the file holds must not depend on how its lines end; the
// file must come back byte for byte; and setting one key must change one stretch of one line
// (or add lines), read back as the value set, and leave every other key's value as it was.
#include "common/IniFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using Probe = std::pair<std::string_view, std::string_view>; // section, key

// The names the seeds use, so that mutations meet them.
constexpr std::array<Probe, 5> kProbes{
    {{"update", "up"}, {"update", "source"}, {"", "up"}, {"notes", "up"}, {"tabs", "width"}}};

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// The file with each line ending ("\r\n", "\r", "\n") written as `ending`.
std::string WithLineEnds(std::string_view bytes, std::string_view ending)
{
    std::string text;
    for (size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\r' || bytes[at] == '\n') {
            text += ending;
            at += bytes.substr(at, 2) == "\r\n" ? 1 : 0;
        } else {
            text += bytes[at];
        }
    }
    return text;
}

std::array<std::optional<std::string>, kProbes.size()> Values(const CIniFile& file)
{
    std::array<std::optional<std::string>, kProbes.size()> values;
    for (size_t i = 0; i < kProbes.size(); ++i)
        values[i] = file.Value(kProbes[i].first, kProbes[i].second);
    return values;
}

// True when `after` is `before` with one stretch replaced, and that stretch of `before` lies
// within one line.
bool ChangesOneStretchOfOneLine(std::string_view before, std::string_view after)
{
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string_view replaced = before.substr(prefix, before.size() - prefix - suffix);
    return replaced.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    if (input.empty() || split == std::string_view::npos)
        return 0;
    const Probe owned = kProbes[static_cast<uint8_t>(input[0]) % kProbes.size()];
    const std::string value(input.substr(1, split - 1));
    const std::string bytes(input.substr(split + 1));

    const CIniFile file(bytes);
    Require(file.Bytes() == bytes);
    const auto values = Values(file);
    for (const std::string_view ending : {"\n", "\r\n", "\r"})
        Require(Values(CIniFile(WithLineEnds(bytes, ending))) == values);

    CIniFile changed = file;
    changed.SetValue(owned.first, owned.second, value);
    const std::string rewritten = changed.Bytes();
    Require(ChangesOneStretchOfOneLine(bytes, rewritten));
    const CIniFile reread(rewritten);
    auto expected = values;
    for (size_t i = 0; i < kProbes.size(); ++i) {
        if (kProbes[i] == owned)
            expected[i] = value;
    }
    Require(Values(reread) == expected);
    return 0;
}
