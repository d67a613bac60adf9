#include "app/DescribePageCommand.h"

#include "directory_db/DirectoryXml.h"
#include "page_filling/CategoryList.h"
#include "page_filling/LearnedDirectory.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/BrowserPage.h"
#include "ui/browser/PageDescriber.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <optional>

namespace {

constexpr int kLoadTimeoutMs = 60000;
constexpr int kNoForm = 1;
constexpr int kFailed = 2;

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

QJsonObject FieldJson(const LearnedField& learnt, const FieldClassification& meaning)
{
    const FieldDescriptor& field = learnt.field;
    QJsonArray options;
    for (const std::string& option : field.options)
        options.append(ToQt(option));
    return {
        {QStringLiteral("tag"), ToQt(field.tag)},
        {QStringLiteral("type"), ToQt(field.type)},
        {QStringLiteral("name"), ToQt(field.name)},
        {QStringLiteral("id"), ToQt(field.id)},
        {QStringLiteral("index"), field.index},
        {QStringLiteral("label"), ToQt(field.label)},
        {QStringLiteral("placeholder"), ToQt(field.placeholder)},
        {QStringLiteral("nearbyText"), ToQt(field.nearbyText)},
        {QStringLiteral("autocomplete"), ToQt(field.autocomplete)},
        {QStringLiteral("options"), options},
        {QStringLiteral("frame"), ToQt(field.frame)},
        {QStringLiteral("meaning"), ToQt(MeaningText(meaning.meaning))},
        {QStringLiteral("confidence"), std::round(meaning.confidence * 100) / 100},
        // Only what Add This Page would tick: a guess it is not sure of is no proposal.
        {QStringLiteral("proposedValue"), ToQt(learnt.chosen ? learnt.value : std::string())},
    };
}

// For a category list, the option a fill would choose for the profile: {"option": text or
// null, "confidence"}. Null for any other field.
QJsonValue CategoryJson(const FieldDescriptor& field, const CategoryProfile& profile)
{
    std::vector<CategoryOption> options;
    for (const std::string& text : field.options)
        options.push_back({text, text, {}});
    const SelectTexts texts{field.name, field.id, {field.label, field.nearbyText, field.title}};
    if (field.tag != "select" || !IsCategoryList(texts, options))
        return QJsonValue::Null;
    const CategoryChoice choice = ChooseCategory(options, profile);
    return QJsonObject{
        {QStringLiteral("option"),
         choice.IsChosen() ? QJsonValue(ToQt(field.options[static_cast<size_t>(choice.option)]))
                           : QJsonValue::Null},
        {QStringLiteral("confidence"), std::round(choice.confidence * 100) / 100},
    };
}

QJsonObject DescriptionJson(const PageDescription& page,
                            const std::optional<CategoryProfile>& category)
{
    const LearnProposal proposal = ProposeLearning(page);
    QJsonArray fields;
    for (size_t i = 0; i < proposal.fields.size(); ++i) {
        QJsonObject field = FieldJson(proposal.fields[i], proposal.meanings[i]);
        if (category)
            field.insert(QStringLiteral("category"),
                         CategoryJson(proposal.fields[i].field, *category));
        fields.append(field);
    }
    const DirectoryRecord record =
        MakeLearnedDirectory(proposal.name, page.address, std::nullopt, proposal.fields);
    return {
        {QStringLiteral("address"), ToQt(page.address)},
        {QStringLiteral("title"), ToQt(page.title)},
        {QStringLiteral("name"), ToQt(proposal.name)},
        {QStringLiteral("fields"), fields},
        {QStringLiteral("directory"), ToQt(DirectoryElementText(record))},
    };
}

// What the page shows for the field: its label, else its placeholder or the text before it.
QString Caption(const QJsonObject& field)
{
    for (const char* key : {"label", "placeholder", "nearbyText"}) {
        const QString text = field.value(QLatin1StringView(key)).toString();
        if (!text.isEmpty())
            return text;
    }
    return {};
}

// The same in lines for a person at a terminal.
QString DescriptionText(const QJsonObject& description)
{
    QString text = QCoreApplication::translate("CommandLine", "Name: %1\nAddress: %2\n")
                       .arg(description.value(QStringLiteral("name")).toString(),
                            description.value(QStringLiteral("address")).toString());
    for (const QJsonValue value : description.value(QStringLiteral("fields")).toArray()) {
        const QJsonObject field = value.toObject();
        text +=
            QStringLiteral("  %1[%2] %3: %4 (%5) -> %6\n")
                .arg(field.value(QStringLiteral("name")).toString(),
                     QString::number(field.value(QStringLiteral("index")).toInt()), Caption(field),
                     QCoreApplication::translate(
                         "FieldMeaning",
                         field.value(QStringLiteral("meaning")).toString().toUtf8().constData()),
                     QString::number(field.value(QStringLiteral("confidence")).toDouble()),
                     field.value(QStringLiteral("proposedValue")).toString());
    }
    return text + description.value(QStringLiteral("directory")).toString() + u'\n';
}

void Print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Loads the page and describes it; nullopt when it cannot be loaded in time.
std::optional<PageDescription> DescribePage(const QUrl& address)
{
    CBrowserCtrl browser;
    QEventLoop loop;
    std::optional<PageDescription> description;
    bool described = false;
    QObject::connect(browser.GetDocument(), &QWebEnginePage::loadFinished, &loop, [&](bool loaded) {
        if (!loaded) {
            loop.quit();
            return;
        }
        CPageDescriber(*browser.GetDocument()).Describe(&loop, [&](const PageDescription& page) {
            if (!described)
                description = page;
            described = true;
            loop.quit();
        });
    });
    QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
    browser.Navigate(address.toString());
    loop.exec();
    return description;
}

} // namespace

int CDescribePageCommand::Run(const QString& address, bool json,
                              const std::optional<std::string>& category,
                              const std::string& subcategory)
{
    const std::optional<PageDescription> page = DescribePage(QUrl::fromUserInput(address));
    if (!page) {
        Print(
            stderr,
            QStringLiteral("kestrine: %1\n")
                .arg(QCoreApplication::translate("CommandLine", "could not load %1").arg(address)));
        return kFailed;
    }
    std::optional<CategoryProfile> profile;
    if (category) {
        profile.emplace();
        profile->category = *category;
        profile->subcategory = subcategory;
    }
    const QJsonObject description = DescriptionJson(*page, profile);
    Print(stdout, json ? QString::fromUtf8(QJsonDocument(description).toJson())
                       : DescriptionText(description));
    return page->fields.empty() ? kNoForm : 0;
}
