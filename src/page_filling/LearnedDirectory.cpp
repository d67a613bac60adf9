#include "page_filling/LearnedDirectory.h"

#include "page_filling/DirectoryNameProposal.h"
#include "page_filling/FieldClassifier.h"

namespace {

FieldType TypeOf(const FieldDescriptor& field)
{
    if (field.tag == "select")
        return FieldType::ComboBox;
    if (field.tag == "input" && (field.type == "checkbox" || field.type == "radio"))
        return FieldType::CheckBox;
    return FieldType::Edit;
}

} // namespace

LearnProposal ProposeLearning(const PageDescription& page)
{
    LearnProposal proposal{
        ProposeDirectoryName(page.title, page.address), CFieldClassifier().ClassifyPage(page), {}};
    for (size_t i = 0; i < page.fields.size(); ++i) {
        const FieldClassification& meaning = proposal.meanings[i];
        const std::string guess = PlaceholderFor(meaning.meaning);
        proposal.fields.push_back({page.fields[i], guess, meaning.IsConfident() && !guess.empty()});
    }
    return proposal;
}

DirectoryRecord MakeLearnedDirectory(const std::string& name, const std::string& submitUrl,
                                     const std::optional<std::string>& confirmation,
                                     const std::vector<LearnedField>& fields)
{
    DirectoryRecord record{name, submitUrl, confirmation, {}, {}};
    for (const LearnedField& learnt : fields) {
        if (!learnt.chosen || learnt.value.empty() || learnt.field.Key().empty())
            continue;
        record.items.push_back(
            {learnt.field.Key(), TypeOf(learnt.field), learnt.field.index, learnt.value});
    }
    return record;
}

std::string TextAsHtmlSource(const std::string& text)
{
    std::string source;
    source.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&')
            source += "&amp;";
        else if (c == '<')
            source += "&lt;";
        else if (c == '>')
            source += "&gt;";
        else if (c == '\xc2' && i + 1 < text.size() && text[i + 1] == '\xa0') {
            source += "&nbsp;";
            ++i;
        } else
            source += c;
    }
    return source;
}
