#include "page_filling/FieldClassifier.h"
#include "page_filling/PlaceholderComposer.h"
#include "ui/browser/BrowserCtrl.h"
#include "ui/browser/PageDescriber.h"
#include "ui/browser/PageFiller.h"
#include "ui/main_window/SubmitterDlg.h"

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
        const std::string value = ComposeFieldValue(PlaceholderFor(meanings[i].meaning), profile);
        if (value.empty())
            continue;
        const int ordinal = page.fields[i].ordinal;
        fill.values.push_back({ordinal, value});
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
        parts.append(QString::fromStdString(meaningOf.at(ordinal)));
    QString text = QObject::tr("Filled by meaning: %1.")
                       .arg(parts.isEmpty() ? QObject::tr("nothing") : parts.join(u", "));
    if (outcome.kept > 0)
        text += QObject::tr(" Kept %n field(s) you typed in.", nullptr, outcome.kept);
    return text;
}

} // namespace

void CSubmitterDlg::OfferFillByMeaning()
{
    if (!m_hasProfile)
        return;
    CBrowserPage* page = m_browser->GetDocument();
    CPageDescriber(*page).Describe(this, [this, page](const PageDescription& description) {
        const MeaningFill fill = ValuesByMeaning(description, m_currentProfile);
        if (fill.values.empty()) {
            statusBar()->showMessage(tr("No rule fits this page, and Kestrine is sure of the "
                                        "meaning of none of its fields: nothing was filled."),
                                     kStatusMilliseconds);
            return;
        }
        std::vector<std::string> names;
        m_database.GetDirectoryNames(names);
        const bool known = std::find(names.begin(), names.end(), m_currentDirectory) != names.end();
        const std::string why = known
                                    ? "The rules for \"" + m_currentDirectory +
                                          "\" fit no field on this page: its form may have changed."
                                    : "This page belongs to no directory of the list.";
        if (!AskYesNo(why +
                          " Fill the fields whose meaning Kestrine recognises from the "
                          "profile \"" +
                          m_currentProfile.name + "\"?",
                      tr("Fill current page").toStdString()))
            return;
        CPageFiller(*page).FillByMeaning(
            description.token, fill.values, this,
            [this, meaningOf = fill.meaningOf](const CPageFiller::MeaningOutcome& outcome) {
                statusBar()->showMessage(FilledText(outcome, meaningOf), kStatusMilliseconds);
            });
    });
}
