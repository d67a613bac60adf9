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

// What the status line says about a fill by meaning: which fields got which of the profile's
// facts, and which the user's own typing kept.
QString FilledText(const std::vector<int>& filled, int kept,
                   const std::map<int, std::string>& meaningOf)
{
    if (filled.empty() && kept == 0)
        return QObject::tr("Filled by meaning: nothing; no field kept its meaning for sure.");
    QStringList parts;
    for (int ordinal : filled)
        parts.append(QString::fromStdString(meaningOf.at(ordinal)));
    QString text = QObject::tr("Filled by meaning: %1.")
                       .arg(parts.isEmpty() ? QObject::tr("nothing") : parts.join(u", "));
    if (kept > 0)
        text += QObject::tr(" Kept %n field(s) you typed in.", nullptr, kept);
    return text;
}

} // namespace

void CSubmitterDlg::OfferFillByMeaning()
{
    if (!m_hasProfile)
        return;
    std::vector<std::string> names;
    m_database.GetDirectoryNames(names);
    const bool known =
        std::find(names.begin(), names.end(), m_currentDirectory) != names.end();
    const std::string why =
        known ? "The rules for \"" + m_currentDirectory +
                    "\" fit no field on this page: its form may have changed."
              : "This page belongs to no directory of the list.";
    if (AskYesNo(why + " Fill the fields whose meaning Kestrine recognises from the profile \"" +
                     m_currentProfile.name + "\"?",
                 tr("Fill current page").toStdString()))
        FillByMeaning();
}

void CSubmitterDlg::FillByMeaning()
{
    CBrowserPage* page = m_browser->GetDocument();
    CPageDescriber(*page).Describe(this, [this, page](const PageDescription& description) {
        const std::vector<FieldClassification> meanings =
            CFieldClassifier().ClassifyPage(description.fields);
        std::vector<CPageFiller::MeaningValue> values;
        std::map<int, std::string> meaningOf;
        for (size_t i = 0; i < meanings.size(); ++i) {
            if (!meanings[i].IsConfident())
                continue;
            const std::string value =
                ComposeFieldValue(PlaceholderFor(meanings[i].meaning), m_currentProfile);
            if (value.empty())
                continue;
            const int ordinal = description.fields[i].ordinal;
            values.push_back({ordinal, value});
            meaningOf[ordinal] = MeaningText(meanings[i].meaning);
        }
        CPageFiller(*page).FillByMeaning(
            values, this, [this, meaningOf](const CPageFiller::MeaningOutcome& outcome) {
                statusBar()->showMessage(FilledText(outcome.filled, outcome.kept, meaningOf),
                                         kStatusMilliseconds);
            });
    });
}
