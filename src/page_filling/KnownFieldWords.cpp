#include "page_filling/KnownFieldWords.h"

#include "page_filling/FieldWordTexts.h"

#include <iterator>

namespace {

template <typename Item> void Append(std::vector<Item>& list, std::vector<Item>& more)
{
    list.insert(list.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
}

// Every list of a words file but its keywords.
constexpr std::vector<std::string> FieldWords::*kLists[] = {
    &FieldWords::languages,   &FieldWords::personQualifiers, &FieldWords::nameLinks,
    &FieldWords::keyPrefixes, &FieldWords::keySuffixes,      &FieldWords::errors};

} // namespace

// A line in error leaves its words out and the other lines their use; the tests see that no
// file compiled in has one.
const FieldWords& KnownFieldWords()
{
    static const FieldWords known = [] {
        FieldWords all;
        for (const FieldWordText& file : FieldWordTexts()) {
            FieldWords words = ParseFieldWords(file.text);
            Append(all.keywords, words.keywords);
            for (const auto list : kLists)
                Append(all.*list, words.*list);
        }
        return all;
    }();
    return known;
}
