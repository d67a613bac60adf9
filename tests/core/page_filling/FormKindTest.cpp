// Whole forms: what a search, filter or login form holds is never filled, whatever its fields
// are called; the forms that ask for a profile's facts are.
#include "page_filling/FieldClassifier.h"

#include <gtest/gtest.h>

namespace {

using enum FieldMeaning;

FieldDescriptor Box(const char* name, const char* label, const char* tag = "input",
                    const char* type = "text")
{
    FieldDescriptor field;
    field.tag = tag;
    field.type = type;
    field.name = name;
    field.label = label;
    field.form = 0;
    return field;
}

FieldDescriptor OutsideAnyForm(FieldDescriptor field)
{
    field.form = -1;
    return field;
}

FormDescriptor Form(const char* action, std::vector<std::string> buttons, int passwords = 0)
{
    FormDescriptor form;
    form.action = action;
    form.buttons = std::move(buttons);
    form.passwordFields = passwords;
    return form;
}

struct FormCase
{
    const char* label;
    FormDescriptor form;
    std::vector<FieldDescriptor> fields;
    std::vector<FieldMeaning> expected; // the confident meanings, None where nothing is sure
};

void PrintTo(const FormCase& c, std::ostream* out)
{
    *out << c.label;
}

class FormKindTest : public ::testing::TestWithParam<FormCase>
{
};

TEST_P(FormKindTest, FillsOnlyFormsThatAskForAProfilesFacts)
{
    const FormCase& c = GetParam();
    PageDescription page;
    page.forms = {c.form};
    page.fields = c.fields;
    std::vector<FieldMeaning> found;
    for (const FieldClassification& meaning : CFieldClassifier().ClassifyPage(page))
        found.push_back(meaning.IsConfident() ? meaning.meaning : None);
    EXPECT_EQ(found, c.expected);
}

FormDescriptor SearchRole()
{
    FormDescriptor form = Form("/", {"OK"});
    form.searchRole = true;
    return form;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormKindTest,
    ::testing::Values(
        FormCase{"LoneKeywordsBoxBesideAGoButton",
                 Form("/browse", {"Go"}),
                 {Box("keywords", "Keywords")},
                 {None}},
        FormCase{"LoneKeywordsBoxOutsideAnyForm",
                 Form("/", {}),
                 {OutsideAnyForm(Box("keywords", "Keywords"))},
                 {None}},
        FormCase{"SearchButtonOnALongerForm",
                 Form("/browse", {"Search Events"}),
                 {Box("keywords", "Keywords"), Box("category_id", "Category", "select", ""),
                  Box("from", "From"), Box("to", "To")},
                 {None, None, None, None}},
        FormCase{"SearchInTheFormsAddress",
                 Form("/search/results", {""}),
                 {Box("name", "Hotel name"), Box("city", "City")},
                 {None, None}},
        FormCase{
            "SearchRole", SearchRole(), {Box("who", "Name"), Box("mail", "E-mail")}, {None, None}},
        FormCase{"ChoicesAlone",
                 Form("/products", {"Filtrar"}),
                 {Box("categoria", "Categoria", "select", "")},
                 {None}},
        FormCase{"PasswordBesideAnEmail",
                 Form("/account", {"Continue"}, 1),
                 {Box("email", "E-mail")},
                 {None}},
        FormCase{"SignInButtonWithoutPassword",
                 Form("/account", {"Log in"}),
                 {Box("Mail", ""), Box("email", "E-mail address")},
                 {None, None}},
        FormCase{"ShortRegistrationAsksForTheName",
                 Form("/register", {"Sign up"}, 1),
                 {Box("fullname", "Full name"), Box("email", "E-mail")},
                 {None, Email}},
        FormCase{"RegistrationWithTwoPasswords",
                 Form("/register", {"Create account"}, 2),
                 {Box("first", "First name"), Box("last", "Last name"), Box("email", "E-mail"),
                  Box("user", "Username")},
                 {FirstName, LastName, Email, None}},
        FormCase{"NewsletterBox",
                 Form("/subscribe", {"Subscribe"}),
                 {Box("ea", "Your e-mail")},
                 {Email}},
        FormCase{"FeedToPing", Form("/ping", {"Send"}), {Box("u", "RSS feed URL")}, {FeedAddress}},
        FormCase{"SubmissionForm",
                 Form("/add", {"Submit"}),
                 {Box("url", "Feed URL"), Box("title", "Title"), Box("mail", "E-mail"),
                  Box("cat", "Category", "select", "")},
                 {FeedAddress, Title, Email, Category}}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
