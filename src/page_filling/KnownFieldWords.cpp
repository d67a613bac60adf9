#include "page_filling/KnownFieldWords.h"

#include "page_filling/FieldWordTexts.h"

#include <iterator>

namespace {

template <typename Item> void Append(std::vector<Item>& list, std::vector<Item>& more)
{
    list.insert(list.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
}

} // namespace

// A line in error leaves its words out and the other lines their use; the tests see that no
// file compiled in has one.
const FieldWords& KnownFieldWords()
{
    static const FieldWords known = [] {
        FieldWords all;
        for (const FieldWordText& file : FieldWordTexts()) {
            FieldWords words = ParseFieldWords(file.text);
            Append(all.languages, words.languages);
            Append(all.keywords, words.keywords);
            Append(all.personQualifiers, words.personQualifiers);
            Append(all.nameLinks, words.nameLinks);
            Append(all.keyPrefixes, words.keyPrefixes);
            Append(all.keySuffixes, words.keySuffixes);
            Append(all.errors, words.errors);
        }
        return all;
    }();
    return known;
}
