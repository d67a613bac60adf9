#include "page_filling/FormKind.h"

#include "page_filling/TextWords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Words that name a search or a filter, as form names, classes and buttons write them; folded
// as TextWords folds them.
constexpr std::array<std::string_view, 52> kSearchWords = {
    "search",     "searchform", "sitesearch", "query",    "suche",     "suchen",    "recherche",
    "rechercher", "chercher",   "busca",      "buscar",   "busqueda",  "cerca",     "ricerca",
    "cercare",    "pesquisa",   "pesquisar",  "procurar", "zoeken",    "zoek",      "szukaj",
    "wyszukaj",   "hledat",     "vyhledat",   "hladat",   "vyhladat",  "поиск",     "найти",
    "пошук",      "знайти",     "sok",        "sog",      "haku",      "etsi",      "arama",
    "検索",       "搜索",       "搜尋",       "검색",     "filter",    "filtern",   "filtrer",
    "filtrar",    "filtra",     "filtreren",  "filtruj",  "filtrovat", "filtrovať", "фильтр",
    "suodata",    "filtrele",   "keresés"};

// Button words that search only on a small form: "Find" also looks up a postcode in a long one.
constexpr std::array<std::string_view, 6> kShortSearchWords = {"find", "go",  "lookup",
                                                               "hae",  "ara", "keres"};

// What a sign-in button says, the whole caption.
constexpr std::array<std::string_view, 26> kLoginCaptions = {
    "login",     "log in",       "sign in",   "signin",         "log on",   "login now",
    "connexion", "se connecter", "entrar",    "iniciar sesion", "accedi",   "inloggen",
    "zaloguj",   "zaloguj sie",  "prihlasit", "prihlasit sa",   "войти",    "вход",
    "увійти",    "logga in",     "log ind",   "logg inn",       "kirjaudu", "giris yap",
    "로그인",    "ログイン"};

// A word of the list, alone or split in two ("sign-in", "logIn").
template <size_t N>
bool HasWordOf(const std::vector<std::string>& words, const std::array<std::string_view, N>& list)
{
    const auto listed = [&list](const std::string& word) {
        return std::find(list.begin(), list.end(), word) != list.end();
    };
    for (size_t i = 0; i < words.size(); ++i) {
        if (listed(words[i]) || (i + 1 < words.size() && listed(words[i] + words[i + 1])))
            return true;
    }
    return false;
}

// The words of the form's own names: its address, id, name and classes.
std::vector<std::string> NameWords(const FormDescriptor& form)
{
    std::vector<std::string> words;
    for (const std::string* text : {&form.action, &form.id, &form.name, &form.className}) {
        const std::vector<std::string> more = TextWords(*text);
        words.insert(words.end(), more.begin(), more.end());
    }
    return words;
}

bool IsTextInput(const FieldDescriptor& field)
{
    return field.tag == "input";
}

// A field that is a search box by its own type, or by a name made only of search words ("q",
// "s", "search_query", "searchTerm"). An id says less: a street box may be a place search's.
bool IsSearchBox(const FieldDescriptor& field)
{
    constexpr std::array<std::string_view, 4> kSearching = {"q", "s", "search", "query"};
    constexpr std::array<std::string_view, 8> kAlongside = {"term", "terms", "text",  "string",
                                                            "for",  "box",   "input", "field"};
    if (field.type == "search")
        return true;
    const std::vector<std::string> words = TextWords(field.Key());
    const auto in = [](const auto& list, const std::string& word) {
        return std::find(list.begin(), list.end(), word) != list.end();
    };
    return std::any_of(words.begin(), words.end(),
                       [&](const std::string& word) { return in(kSearching, word); }) &&
           std::all_of(words.begin(), words.end(), [&](const std::string& word) {
               return in(kSearching, word) || in(kAlongside, word);
           });
}

bool IsPersonName(const FieldClassification& meaning)
{
    return meaning.IsConfident() &&
           (meaning.meaning == FieldMeaning::FirstName ||
            meaning.meaning == FieldMeaning::LastName || meaning.meaning == FieldMeaning::FullName);
}

// Meanings that a form of one text box asks for when it is no search: a newsletter's e-mail, a
// feed to ping.
bool AsksForAProfileFact(const FieldClassification& meaning)
{
    return IsPersonName(meaning) ||
           (meaning.IsConfident() && (meaning.meaning == FieldMeaning::Email ||
                                      meaning.meaning == FieldMeaning::FeedAddress ||
                                      meaning.meaning == FieldMeaning::SiteAddress));
}

bool SaysLogIn(const std::string& caption)
{
    std::string words;
    for (const std::string& word : TextWords(caption))
        words += (words.empty() ? "" : " ") + word;
    return std::find(kLoginCaptions.begin(), kLoginCaptions.end(), words) != kLoginCaptions.end();
}

// A button that signs in, or one password beside an account name: a login. Beside a
// password, a second text box that asks for the person's name makes a short registration.
bool IsLogin(const FormFields& form, size_t textInputs)
{
    constexpr size_t kMostLoginBoxes = 3;
    if (!form.form || form.form->passwordFields > 1 || textInputs > kMostLoginBoxes)
        return false;
    if (std::any_of(form.form->buttons.begin(), form.form->buttons.end(), SaysLogIn))
        return true;
    if (form.form->passwordFields == 0 || textInputs > 2)
        return false;
    return textInputs < 2 || std::none_of(form.meanings.begin(), form.meanings.end(), IsPersonName);
}

bool IsSearchButton(const std::string& caption, size_t textInputs)
{
    const std::vector<std::string> words = TextWords(caption);
    return HasWordOf(words, kSearchWords) ||
           (textInputs <= 2 && HasWordOf(words, kShortSearchWords));
}

// What a form says about itself, where the fields outside any form say nothing.
bool SaysSearch(const FormDescriptor* form, size_t textInputs)
{
    return form && (form->searchRole || HasWordOf(NameWords(*form), kSearchWords) ||
                    std::any_of(form->buttons.begin(), form->buttons.end(),
                                [textInputs](const std::string& caption) {
                                    return IsSearchButton(caption, textInputs);
                                }));
}

bool IsSearch(const FormFields& form, size_t textInputs)
{
    // Besides a lone search box, a search form may offer a few choices (a category, a place).
    constexpr size_t kMostFieldsBesideALoneBox = 3;
    if (SaysSearch(form.form, textInputs) ||
        std::any_of(form.fields.begin(), form.fields.end(),
                    [](const auto* field) { return IsSearchBox(*field); }))
        return true;
    // Choices alone (filters, sorting, a page's language) ask for nothing a profile writes.
    if (std::none_of(form.fields.begin(), form.fields.end(), [](const auto* field) {
            return field->tag == "input" || field->tag == "textarea";
        }))
        return true;
    // A lone text box that asks for nothing a profile holds is looked up, not submitted.
    if (textInputs != 1 || form.fields.size() > kMostFieldsBesideALoneBox)
        return false;
    const auto box = std::find_if(form.fields.begin(), form.fields.end(),
                                  [](const auto* field) { return IsTextInput(*field); });
    return !AsksForAProfileFact(form.meanings[static_cast<size_t>(box - form.fields.begin())]);
}

} // namespace

FormKind ClassifyForm(const FormFields& form)
{
    const size_t textInputs =
        static_cast<size_t>(std::count_if(form.fields.begin(), form.fields.end(),
                                          [](const auto* field) { return IsTextInput(*field); }));
    if (IsLogin(form, textInputs))
        return FormKind::Login;
    if (IsSearch(form, textInputs))
        return FormKind::Search;
    return FormKind::Other;
}
