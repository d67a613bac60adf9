// The classifier on what pages say about their fields: labels in several languages, fields
// whose names say nothing, names that mislead, and lists.
#include "page_filling/FieldClassifier.h"

#include "page_filling/TextWords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

using enum FieldMeaning;

struct FieldCase
{
    const char* label;
    FieldDescriptor field;
    FieldMeaning expected;
    bool sure; // the confidence reaches the threshold, for None too
};

void PrintTo(const FieldCase& c, std::ostream* out)
{
    *out << c.label;
}

FieldDescriptor Input(std::string name, std::string label, std::string type = "text")
{
    FieldDescriptor field;
    field.tag = "input";
    field.type = std::move(type);
    field.name = std::move(name);
    field.label = std::move(label);
    return field;
}

FieldDescriptor With(FieldDescriptor field, void (*change)(FieldDescriptor&))
{
    change(field);
    return field;
}

class FieldMeaningTest : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(FieldMeaningTest, ClassifiesByWhatThePageSays)
{
    const FieldCase& c = GetParam();
    const FieldClassification result = CFieldClassifier().Classify(c.field);
    EXPECT_EQ(result.meaning, c.expected) << MeaningText(result.meaning);
    EXPECT_EQ(result.confidence >= kConfidentMeaning, c.sure) << result.confidence;
    EXPECT_GE(result.confidence, 0.0);
    EXPECT_LE(result.confidence, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    English, FieldMeaningTest,
    ::testing::Values(
        FieldCase{"FeedUrlLabel", Input("u", "Feed URL"), FeedAddress, true},
        FieldCase{"RssInSentence", Input("a", "The address of your RSS feed"), FeedAddress, true},
        FieldCase{"PlainUrlIsTheSite", Input("x", "URL:"), SiteAddress, true},
        FieldCase{"SiteUrl", Input("x", "Website URL"), SiteAddress, true},
        FieldCase{"UrlOfYourSite", Input("x", "URL of your site"), SiteAddress, true},
        FieldCase{"SiteDescriptionIsDescription", Input("x", "Site description"), Description,
                  true},
        FieldCase{"FeedTitleIsTitle", Input("x", "Feed title"), Title, true},
        FieldCase{"NameOfYourBlogIsTitle", Input("x", "Name of your blog"), Title, true},
        FieldCase{"Tags", Input("x", "Tags (comma separated)"), Tags, true},
        FieldCase{"FirstName", Input("x", "First name"), FirstName, true},
        FieldCase{"Surname", Input("x", "Surname"), LastName, true},
        FieldCase{"YourName", Input("x", "Your name"), FullName, true},
        FieldCase{"UsernameIsNotAName", Input("username", "Username"), None, true},
        FieldCase{"Captcha", Input("code", "Type the captcha"), None, true},
        FieldCase{"GluedNames", Input("rssFeedUrl", ""), FeedAddress, true},
        FieldCase{"GluedSnakeName", Input("author_first_name", ""), FirstName, true},
        FieldCase{"EmailByTypeAlone", Input("f3", "", "email"), Email, true},
        FieldCase{"ContactNameEmailType", Input("contact", "", "email"), Email, true},
        FieldCase{"ContactNameEmailLabel", Input("contact", "Your e-mail"), Email, true},
        FieldCase{"ContactNameAloneIsAGuess", Input("contact", ""), Email, false},
        FieldCase{"MeaninglessName", Input("f1", ""), None, false},
        FieldCase{"PasswordType", Input("email", "E-mail", "password"), None, true},
        FieldCase{"HiddenType", Input("feed_url", "", "hidden"), None, true},
        FieldCase{"PhoneType", Input("f9", "Contact", "tel"), None, true},
        FieldCase{"PlaceholderOnly",
                  With(Input("f2", ""), [](FieldDescriptor& f) { f.placeholder = "you@mail"; }),
                  Email, true},
        FieldCase{"NearbyTextOfATableForm",
                  With(Input("f4", ""), [](FieldDescriptor& f) { f.nearbyText = "Keywords:"; }),
                  Tags, true},
        FieldCase{"AutocompleteGivenName",
                  With(Input("n1", ""), [](FieldDescriptor& f) { f.autocomplete = "given-name"; }),
                  FirstName, true},
        FieldCase{"AutocompleteOtherPurpose",
                  With(Input("title", ""),
                       [](FieldDescriptor& f) { f.autocomplete = "section-a organization"; }),
                  None, true},
        FieldCase{"LabelOutweighsName", Input("email", "Title"), Title, true},
        FieldCase{"NameAndIdDisagree",
                  With(Input("email", ""), [](FieldDescriptor& f) { f.id = "title"; }), Email,
                  false}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    OtherLanguages, FieldMeaningTest,
    ::testing::Values(
        FieldCase{"German", Input("f1", "E-Mail-Adresse"), Email, true},
        FieldCase{"GermanCompound", Input("f1", "Feedtitel"), Title, true},
        FieldCase{"GermanKeywords", Input("f1", "Schlagwörter"), Tags, true},
        FieldCase{"French", Input("f1", "Adresse du flux RSS"), FeedAddress, true},
        FieldCase{"FrenchFirstName", Input("f1", "Prénom"), FirstName, true},
        FieldCase{"FrenchSiteName", Input("f1", "Nom du site"), Title, true},
        FieldCase{"Spanish", Input("f1", "Correo electrónico"), Email, true},
        FieldCase{"SpanishDescription", Input("f1", "Descripción"), Description, true},
        FieldCase{"Italian", Input("f1", "Parole chiave"), Tags, true},
        FieldCase{"ItalianSurname", Input("f1", "Cognome"), LastName, true},
        FieldCase{"Portuguese", Input("f1", "Título"), Title, true},
        FieldCase{"Dutch", Input("f1", "Voornaam"), FirstName, true},
        FieldCase{"DutchDescription", Input("f1", "Omschrijving"), Description, true}),
    [](const auto& info) { return std::string(info.param.label); });

// Names and ids are read token by token, split at _ - [ ] . and where camelCase changes; a
// keyword glued to a programmer's prefix or suffix counts, one inside another word does not.
INSTANTIATE_TEST_SUITE_P(
    Tokens, FieldMeaningTest,
    ::testing::Values(FieldCase{"FrameworkPrefixHoldingMail", Input("tx_powermail_pi1[uid375]", ""),
                                None, false},
                      FieldCase{"BracketedName", Input("contact[email]", ""), Email, true},
                      FieldCase{"DottedName", Input("LoginViewModel.Email", ""), Email, true},
                      FieldCase{"GluedToAPrefix", Input("useremail", ""), Email, true},
                      FieldCase{"GluedToASuffix", Input("emailsignup", ""), Email, true},
                      FieldCase{"GluedToAnUnknownWord", Input("mailchimpid", ""), None, false},
                      FieldCase{"LastHeadWordDecides", Input("MailName", "Name"), FullName, true},
                      FieldCase{"QualifiedNameInAnId", Input("tbAgencyName", ""), None, false}),
    [](const auto& info) { return std::string(info.param.label); });

// Words that qualify a name or an address, and captions read phrase by phrase.
INSTANTIATE_TEST_SUITE_P(
    Qualifiers, FieldMeaningTest,
    ::testing::Values(
        FieldCase{"CompanyName", Input("f1", "Company name"), None, true},
        FieldCase{"HotelName", Input("f1", "Hotel name"), None, true},
        FieldCase{"UserName", Input("name", "User name"), None, true},
        FieldCase{"ScreenName", Input("f1", "Screen name"), None, true},
        FieldCase{"MiddleName", Input("f1", "Middle name"), None, true},
        FieldCase{"NameOfYourOrganisation", Input("f1", "Name of your organisation"), None, true},
        FieldCase{"FrenchCompanyName", Input("f1", "Nom de la société"), None, true},
        FieldCase{"GermanCompoundName", Input("f1", "Firmenname"), None, true},
        FieldCase{"NumberedName", Input("f1", "2. Name:"), FullName, true},
        FieldCase{"StreetAddress", Input("address1", "Street address"), None, true},
        FieldCase{"AddressAloneIsPostal", Input("f1", "Address *"), None, true},
        FieldCase{"EmailAddressIsNoPostalOne", Input("address", "E-mail address"), Email, true},
        FieldCase{"WebAddressIsTheSite", Input("f1", "Web address"), SiteAddress, true},
        FieldCase{"ImageUrlIsNoFeed", Input("f1", "Image URL"), SiteAddress, true},
        FieldCase{"FeedWordMakesTheFeed", Input("link", "Your RSS link"), FeedAddress, true},
        FieldCase{"Honeypot", Input("second-name", "Leave this field blank"), None, true},
        FieldCase{"TwoCaptionsInOneLabel", Input("f1", "Email / Username"), None, false},
        FieldCase{"RequiredMarkerOnly", Input("f1", "E-mail *:"), Email, true},
        FieldCase{"NoteAfterWarnsOff",
                  With(Input("input_9", "Name"),
                       [](FieldDescriptor& f) {
                           f.noteAfter = "This field is for validation "
                                         "purposes and should be left "
                                         "unchanged.";
                       }),
                  None, true},
        FieldCase{"NoteAfterSaysNothingElse",
                  With(Input("f1", "E-mail"),
                       [](FieldDescriptor& f) { f.noteAfter = "This will be your username"; }),
                  Email, true}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    MoreLanguages, FieldMeaningTest,
    ::testing::Values(FieldCase{"PolishFullName", Input("f1", "Imię i nazwisko"), FullName, true},
                      FieldCase{"PolishPasswordInCapitals", Input("f1", "HASŁO"), None, true},
                      FieldCase{"CzechSurname", Input("f1", "Příjmení"), LastName, true},
                      FieldCase{"SlovakEmail", Input("f1", "E-mailová adresa"), Email, true},
                      FieldCase{"RussianSurnameInCapitals", Input("f1", "ФАМИЛИЯ"), LastName, true},
                      FieldCase{"RussianEmail", Input("f1", "Электронная почта"), Email, true},
                      FieldCase{"UkrainianSurname", Input("f1", "Прізвище"), LastName, true},
                      FieldCase{"SwedishFirstName", Input("f1", "Förnamn"), FirstName, true},
                      FieldCase{"DanishSurname", Input("f1", "Efternavn"), LastName, true},
                      FieldCase{"NorwegianWebsite", Input("f1", "Hjemmeside"), SiteAddress, true},
                      FieldCase{"FinnishEmail", Input("f1", "Sähköpostiosoite"), Email, true},
                      FieldCase{"TurkishFullName", Input("f1", "Adınız Soyadınız"), FullName, true},
                      FieldCase{"JapaneseEmailWithMarker", Input("f1", "メールアドレス必須"), Email,
                                true},
                      FieldCase{"JapaneseCompanyName", Input("f1", "会社名"), None, true},
                      FieldCase{"ChineseEmail", Input("f1", "电子邮件地址："), Email, true},
                      FieldCase{"KoreanEmail", Input("f1", "이메일 주소"), Email, true}),
    [](const auto& info) { return std::string(info.param.label); });

FieldDescriptor Element(std::string tag, std::string name, std::string label)
{
    FieldDescriptor field = Input(std::move(name), std::move(label), "");
    field.tag = std::move(tag);
    return field;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, FieldMeaningTest,
    ::testing::Values(
        FieldCase{"CategorySelect",
                  With(Element("select", "f5", "Category"),
                       [](FieldDescriptor& f) {
                           f.options = {"Business", "Technology"};
                       }),
                  Category, true},
        FieldCase{"GermanCategorySelect", Element("select", "k", "Kategorie"), Category, true},
        FieldCase{"SelectCannotHoldAnEmail", Element("select", "email", "E-mail"), None, false},
        FieldCase{"SubcategoryIsNoCategory", Element("select", "sub", "Subcategory"), None, true},
        FieldCase{"LanguageSelect", Element("select", "lang", "Language"), None, true},
        FieldCase{"TextAreaDescribes", Element("textarea", "f6", "About your feed"), Description,
                  true},
        FieldCase{"BareTextAreaIsAGuess", Element("textarea", "f7", ""), Description, false},
        FieldCase{"TextAreaCannotHoldAName", Element("textarea", "name", ""), Description, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(FieldClassifierPage, NameBesideSurnameMeansTheGivenNameAndBesidePrenomTheFamilyName)
{
    const CFieldClassifier classifier;
    const auto meanings = [&classifier](const std::vector<FieldDescriptor>& fields) {
        std::vector<FieldMeaning> result;
        for (const FieldClassification& c : classifier.ClassifyPage({.fields = fields}))
            result.push_back(c.meaning);
        return result;
    };
    EXPECT_THAT(meanings({Input("f1", "Name"), Input("f2", "Surname"), Input("f3", "Email")}),
                ElementsAre(FirstName, LastName, Email));
    EXPECT_THAT(meanings({Input("f1", "Prénom"), Input("f2", "Nom")}),
                ElementsAre(FirstName, LastName));
    EXPECT_THAT(meanings({Input("f1", "Nombre"), Input("f2", "Apellidos")}),
                ElementsAre(FirstName, LastName));
    // Alone, or beside both, a name stays the full name.
    EXPECT_THAT(meanings({Input("f1", "Name"), Input("f2", "Feed URL")}),
                ElementsAre(FullName, FeedAddress));
    EXPECT_THAT(meanings({Input("a", "First name"), Input("b", "Last name"), Input("c", "Name")}),
                ElementsAre(FirstName, LastName, FullName));
}

TEST(FieldClassifierPage, PlaceholdersOfTheMeanings)
{
    EXPECT_EQ(PlaceholderFor(FeedAddress), "#url#");
    EXPECT_EQ(PlaceholderFor(Tags), "#keywords#");
    EXPECT_EQ(PlaceholderFor(FullName), "#fname# #lname#");
    EXPECT_EQ(PlaceholderFor(Category), "#cat#");
    EXPECT_EQ(PlaceholderFor(SiteAddress), "");
    EXPECT_EQ(PlaceholderFor(None), "");
    EXPECT_EQ(AllFieldMeanings().front(), None);
    EXPECT_EQ(AllFieldMeanings().size(), 11u);
}

TEST(TextWordsTest, SplitsFoldsAndKeepsOtherScripts)
{
    EXPECT_THAT(TextWords("feedURL_2nd-Title"), ElementsAre("feed", "url", "2", "nd", "title"));
    EXPECT_THAT(TextWords("Schlagwörter, Straße: ÉTÉ"),
                ElementsAre("schlagworter", "strasse", "ete"));
    EXPECT_THAT(TextWords("site\xe2\x80\x99s \xd0\xb8\xd0\xbc\xd1\x8f"),
                ElementsAre("site", "s", "\xd0\xb8\xd0\xbc\xd1\x8f"));
    // Letters beyond Latin-1 lose accents and case; full-width punctuation parts words.
    EXPECT_THAT(TextWords("ŁÓDŹ Příjmení ФАМИЛИЯ Ёлка İstanbul"),
                ElementsAre("lodz", "prijmeni", "фамилия", "елка", "istanbul"));
    EXPECT_THAT(TextWords("名前：山田"), ElementsAre("名前", "山田"));
    // Broken UTF-8 parts words instead of running past the end.
    EXPECT_THAT(TextWords("ab\xc3"), ElementsAre("ab"));
    EXPECT_THAT(TextWords("a\xe2\x28\xa1z"), ElementsAre("a", "z"));
}

} // namespace
