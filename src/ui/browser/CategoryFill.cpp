#include "ui/browser/CategoryFill.h"

#include "page_filling/CategoryList.h"
#include "page_filling/TextWords.h"
#include "ui/browser/PageScriptCall.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <algorithm>

namespace {

std::string Text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1StringView(key)).toString().toStdString();
}

std::vector<CategoryOption> OptionsOf(const QJsonObject& list)
{
    std::vector<CategoryOption> options;
    for (const QJsonValue value : list.value(QStringLiteral("options")).toArray()) {
        const QJsonObject option = value.toObject();
        // A disabled option can be neither chosen nor sent: it counts as one that chooses
        // nothing.
        const bool disabled = option.value(QStringLiteral("disabled")).toBool();
        options.push_back({Text(option, "text"), disabled ? std::string() : Text(option, "value"),
                           Text(option, "group")});
    }
    return options;
}

SelectTexts TextsOf(const QJsonObject& list)
{
    SelectTexts texts{Text(list, "name"), Text(list, "id"), {}};
    for (const QJsonValue caption : list.value(QStringLiteral("captions")).toArray())
        texts.captions.push_back(caption.toString().toStdString());
    return texts;
}

// Still at an option that chooses nothing, or at none.
bool IsUnanswered(const QJsonObject& list, const std::vector<CategoryOption>& options)
{
    const int selected = list.value(QStringLiteral("selected")).toInt(-1);
    return selected < 0 || static_cast<size_t>(selected) >= options.size() ||
           ChoosesNothing(options[static_cast<size_t>(selected)]);
}

// The list as the user reads it: its label, else the text beside it, else "Category".
std::string CaptionOf(const SelectTexts& texts)
{
    for (const std::string& caption : texts.captions) {
        if (!TextWords(caption).empty())
            return caption;
    }
    return QCoreApplication::translate("CategoryFill", "Category").toStdString();
}

// A caption the page's own report gave the list, written with other marks ("Category *").
std::vector<std::string>::iterator FindCaption(std::vector<std::string>& captions,
                                               const std::string& caption)
{
    const std::vector<std::string> words = TextWords(caption);
    return std::find_if(captions.begin(), captions.end(),
                        [&words](const std::string& other) { return TextWords(other) == words; });
}

} // namespace

void ChooseCategoryLists(CBrowserPage& page, const QJsonArray& lists,
                         const CategoryProfile& profile, const ChosenCategory& chosenBefore,
                         QObject* context, FillReport& report)
{
    for (const QJsonValue value : lists) {
        const QJsonObject list = value.toObject();
        const std::vector<CategoryOption> options = OptionsOf(list);
        const SelectTexts texts = TextsOf(list);
        const bool missed = list.value(QStringLiteral("missed")).toBool();
        if (!IsCategoryList(texts, options) || (!missed && !IsUnanswered(list, options)))
            continue;
        const std::string name = texts.name.empty() ? texts.id : texts.name;
        const std::optional<CategoryOption> before =
            chosenBefore ? chosenBefore(name) : std::nullopt;
        const int again = before ? FindChosenOption(options, *before) : -1;
        const int chosen = again >= 0 ? again : ChooseCategory(options, profile).option;
        // A list left as it is is watched too: the user's pick there is the one to remember.
        CallPageScript(
            page,
            QStringLiteral("chooseCategory(%1, %2, %3[0])")
                .arg(list.value(QStringLiteral("key")).toInt())
                .arg(chosen)
                .arg(JsonLiteral(QJsonDocument(QJsonArray{QString::fromStdString(name)}))),
            context, [](const QJsonDocument&) {});
        const std::string caption = CaptionOf(texts);
        const auto left = FindCaption(report.leftForUser, caption);
        if (chosen >= 0 && left != report.leftForUser.end())
            report.leftForUser.erase(left);
        else if (chosen < 0 && left == report.leftForUser.end())
            report.leftForUser.push_back(caption);
        report.categoryAsChosenBefore = report.categoryAsChosenBefore || again >= 0;
    }
}
