#include "ui/directory_editor/MeaningFillOffer.h"

#include "directory_db/DirectoryDatabase.h"
#include "page_filling/FieldClassifier.h"
#include "page_filling/FillReport.h"
#include "page_filling/PlaceholderComposer.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/browser/PageFiller.h"
#include "ui/directory_editor/YesNoQuestion.h"
#include "ui/profiles/CurrentProfile.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <algorithm>
#include <map>

namespace {

constexpr int kStatusMilliseconds = 30000;

// The profile's values for the fields whose meaning is certain, with each field's meaning in
// words by its ordinal.
struct MeaningFill
{
    std::vector<CPageFiller::MeaningValue> values;
    std::map<int, std::string> meaningOf;
};

MeaningFill ValuesByMeaning(const PageDescription& page, const ProfileRecord& profile)
{
    MeaningFill fill;
    const std::vector<FieldClassification> meanings = CFieldClassifier().ClassifyPage(page);
    for (size_t i = 0; i < meanings.size(); ++i) {
        if (!meanings[i].IsConfident())
            continue;
        const std::string placeholders = PlaceholderFor(meanings[i].meaning);
        const std::string value = ComposeFieldValue(placeholders, profile);
        if (value.empty())
            continue;
        const int ordinal = page.fields[i].ordinal;
        fill.values.push_back({ordinal, value, RoleOfFieldValue(placeholders)});
        fill.meaningOf[ordinal] = MeaningText(meanings[i].meaning);
    }
    return fill;
}

// What the status line says about a fill by meaning: which of the profile's facts went into
// the page, and how many fields the user's own typing kept.
QString FilledText(const CPageFiller::MeaningOutcome& outcome,
                   const std::map<int, std::string>& meaningOf)
{
    QStringList parts;
    for (int ordinal : outcome.filled)
        parts.append(QCoreApplication::translate("FieldMeaning", meaningOf.at(ordinal).c_str()));
    QString text = QObject::tr("Filled by meaning: %1.")
                       .arg(parts.isEmpty() ? QObject::tr("nothing") : parts.join(u", "));
    if (outcome.kept > 0)
        text += QObject::tr(" Kept %n field(s) you typed in.", nullptr, outcome.kept);
    return text + QStringLiteral(" \u00b7 ") +
           QString::fromStdString(DescribeLeftForUser(outcome.leftForUser));
}

} // namespace

CMeaningFillOffer::CMeaningFillOffer(QMainWindow& window, ShownBrowser browser,
                                     const CDirectoryDatabase& database,
                                     const CCurrentProfile& profile)
    : QObject(&window), m_window(window), m_browser(std::move(browser)), m_database(database),
      m_profile(profile)
{}

void CMeaningFillOffer::Offer(const std::string& directory)
{
    if (!m_profile.HasProfile())
        return;
    CBrowserPage* page = m_browser().GetDocument();
    CPageDescriber(*page).Describe(
        this, [this, page, directory](const PageDescription& description) {
            const ProfileRecord& profile = m_profile.Record();
            const MeaningFill fill = ValuesByMeaning(description, profile);
            QStatusBar& status = *m_window.statusBar();
            if (fill.values.empty()) {
                status.showMessage(tr("No rule fits this page, and Kestrine is sure of the "
                                      "meaning of none of its fields: nothing was filled."),
                                   kStatusMilliseconds);
                return;
            }
            std::vector<std::string> names;
            m_database.GetDirectoryNames(names);
            const bool known = std::find(names.begin(), names.end(), directory) != names.end();
            const QString why =
                known ? tr("The rules for \"%1\" fit no field on this page: its form may have "
                           "changed.")
                            .arg(QString::fromStdString(directory))
                      : tr("This page belongs to no directory of the list.");
            const QString question =
                tr("%1 Fill the fields whose meaning Kestrine recognises from the profile "
                   "\"%2\"?")
                    .arg(why, QString::fromStdString(profile.name));
            if (!AskYesNo(&m_window, question.toStdString(), tr("Fill current page").toStdString()))
                return;
            CPageFiller(*page).FillByMeaning(
                description.token, fill.values, this,
                [&status, meaningOf = fill.meaningOf](const CPageFiller::MeaningOutcome& outcome) {
                    status.showMessage(FilledText(outcome, meaningOf), kStatusMilliseconds);
                });
        });
}
