#include "support/FormCorpus.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

std::optional<AnnotationKind> KindNamed(const std::string& name)
{
    static const std::map<std::string, AnnotationKind> kinds = {
        {"answer", AnnotationKind::Answer}, {"strict", AnnotationKind::Strict},
        {"never", AnnotationKind::Never},   {"free", AnnotationKind::Free},
        {"other", AnnotationKind::Other},   {"unknown", AnnotationKind::Unknown},
    };
    const auto kind = kinds.find(name);
    return kind == kinds.end() ? std::nullopt : std::optional(kind->second);
}

std::optional<FieldMeaning> MeaningNamed(const std::string& text)
{
    if (text == "-")
        return FieldMeaning::None;
    for (FieldMeaning meaning : AllFieldMeanings()) {
        if (MeaningText(meaning) == text)
            return meaning;
    }
    return std::nullopt;
}

std::vector<std::string> Columns(const std::string& line)
{
    std::vector<std::string> columns;
    std::istringstream stream(line);
    for (std::string column; std::getline(stream, column, '\t');)
        columns.push_back(column);
    return columns;
}

bool StartsWithNoCase(const std::string& text, size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    return std::equal(
        word.begin(), word.end(), text.begin() + static_cast<ptrdiff_t>(at),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// Where the element whose content is raw text (a script or a style) ends: after its end tag.
size_t EndOfRawText(const std::string& html, size_t at, std::string_view endTag)
{
    for (size_t next = html.find("</", at); next != std::string::npos;
         next = html.find("</", next + 2)) {
        if (StartsWithNoCase(html, next, endTag))
            return next + endTag.size();
    }
    return html.size();
}

bool EndsTagName(const std::string& html, size_t at)
{
    return at >= html.size() || std::isspace(static_cast<unsigned char>(html[at])) ||
           html[at] == '>' || html[at] == '/';
}

} // namespace

std::optional<std::vector<CorpusPage>> ReadCorpusIndex(const std::string& corpusFolder)
{
    QFile file(QString::fromStdString(corpusFolder + "/index.json"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject index = QJsonDocument::fromJson(file.readAll()).object();
    if (index.isEmpty())
        return std::nullopt;
    std::vector<CorpusPage> pages;
    for (auto entry = index.begin(); entry != index.end(); ++entry) {
        const QJsonObject page = entry.value().toObject();
        CorpusPage corpusPage{entry.key().toStdString(), {}, {}};
        for (const QJsonValue type : page.value(QStringLiteral("forms")).toArray())
            corpusPage.formTypes.push_back(type.toString().toStdString());
        for (const QJsonValue form : page.value(QStringLiteral("visible_html_fields")).toArray()) {
            std::map<std::string, std::string> fields;
            const QJsonObject names = form.toObject();
            for (auto field = names.begin(); field != names.end(); ++field)
                fields[field.key().toStdString()] = field.value().toString().toStdString();
            corpusPage.fieldTypes.push_back(std::move(fields));
        }
        pages.push_back(std::move(corpusPage));
    }
    return pages;
}

std::optional<CAnnotationTable> CAnnotationTable::Read(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    CAnnotationTable table;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> columns = Columns(line);
        if (columns.size() != 5)
            return std::nullopt;
        const std::optional<AnnotationKind> kind = KindNamed(columns[2]);
        const std::optional<FieldMeaning> meaning = MeaningNamed(columns[3]);
        if (!kind || !meaning || (columns[0] != "form" && columns[0] != "field"))
            return std::nullopt;
        auto& rows = columns[0] == "form" ? table.m_forms : table.m_fields;
        rows[columns[1]] = {*kind, *meaning, columns[4]};
    }
    return table;
}

AnnotationType CAnnotationTable::TypeOf(const std::string& formType,
                                        const std::string& fieldType) const
{
    if (const auto form = m_forms.find(formType); form != m_forms.end())
        return form->second;
    const auto field = m_fields.find(fieldType);
    return field == m_fields.end() ? AnnotationType{} : field->second;
}

std::string NumberForms(const std::string& html)
{
    std::string marked;
    marked.reserve(html.size() + 1024);
    int forms = 0;
    size_t copied = 0;
    for (size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        if (html.compare(at, 4, "<!--") == 0) {
            const size_t end = html.find("-->", at + 4);
            at = end == std::string::npos ? html.size() - 1 : end + 2;
        } else if (StartsWithNoCase(html, at, "<script") && EndsTagName(html, at + 7)) {
            at = EndOfRawText(html, at, "</script") - 1;
        } else if (StartsWithNoCase(html, at, "<style") && EndsTagName(html, at + 6)) {
            at = EndOfRawText(html, at, "</style") - 1;
        } else if (StartsWithNoCase(html, at, "<form") && EndsTagName(html, at + 5)) {
            marked.append(html, copied, at + 5 - copied);
            marked +=
                std::string(" ") + kFormNumberAttribute + "=\"" + std::to_string(forms++) + '"';
            copied = at + 5;
        }
    }
    marked.append(html, copied);
    return marked;
}
