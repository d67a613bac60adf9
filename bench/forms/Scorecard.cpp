#include "Scorecard.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace {

constexpr double kPrecisionTarget = 0.97;
constexpr double kRecallTarget = 0.90;
constexpr double kNeverFilledLimit = 0.005;

std::string SaysText(const FieldVerdict& verdict, const std::vector<FieldDescriptor>& fields)
{
    if (verdict.fields.empty())
        return "(not shown)";
    const FieldDescriptor& field = fields[verdict.fields.front()];
    std::string says = field.tag + (field.type.empty() ? "" : "/" + field.type);
    const std::pair<const char*, const std::string*> parts[] = {
        {"label", &field.label},
        {"placeholder", &field.placeholder},
        {"nearby", &field.nearbyText},
        {"title", &field.title},
        {"id", &field.id},
        {"autocomplete", &field.autocomplete},
    };
    for (const auto& [what, text] : parts) {
        if (!text->empty())
            says += std::string(" ") + what + "=\"" + *text + '"';
    }
    return says;
}

double Ratio(int part, int whole)
{
    return whole == 0 ? 1.0 : static_cast<double>(part) / whole;
}

std::string Percent(double ratio)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << ratio * 100 << " %";
    return text.str();
}

void PrintFaults(std::ostream& out, const char* title, const std::vector<CScorecard::Fault>& faults)
{
    out << '\n' << title << " (" << faults.size() << ")\n";
    for (const CScorecard::Fault& fault : faults)
        out << "  " << fault.where << " [" << fault.code << "] -> " << fault.meaning << "   "
            << fault.says << '\n';
}

} // namespace

void CScorecard::Add(const std::string& page, const std::vector<FieldVerdict>& verdicts,
                     const std::vector<FieldDescriptor>& fields)
{
    for (const FieldVerdict& verdict : verdicts) {
        const std::string where =
            page + " form " + std::to_string(verdict.form) + " " + verdict.name;
        std::vector<FieldMeaning> found = verdict.found;
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        const AnnotationKind kind = verdict.type.kind;
        if (kind == AnnotationKind::Strict)
            ++m_strictFields;
        if (kind == AnnotationKind::Never)
            ++m_neverFields;
        if (kind == AnnotationKind::Answer) {
            MeaningCounts& counts = m_meanings[verdict.type.meaning];
            ++counts.truth;
            if (verdict.Right())
                ++counts.right;
            else
                ++counts.missed;
            if (!verdict.described)
                ++counts.hidden;
            if (!verdict.Right() && !verdict.Wrong())
                m_misses.push_back({where, verdict.code, MeaningText(verdict.type.meaning),
                                    SaysText(verdict, fields)});
        }
        if (!verdict.Wrong())
            continue;
        for (FieldMeaning meaning : found) {
            FieldVerdict alone = verdict;
            // assign, not an initializer list: GCC 14 misreads the one-element copy as an
            // overread (-Wstringop-overread).
            alone.found.assign(1, meaning);
            if (!alone.Wrong())
                continue;
            ++m_meanings[meaning].wrong;
            Fault fault{where, verdict.code, MeaningText(meaning), SaysText(verdict, fields)};
            if (kind == AnnotationKind::Strict)
                m_strictFaults.push_back(fault);
            else if (kind == AnnotationKind::Never)
                m_neverFaults.push_back(fault);
            else
                m_otherWrong.push_back(fault);
        }
    }
}

bool CScorecard::Print(std::ostream& out, bool listMisses) const
{
    out << std::left << std::setw(14) << "meaning" << std::right << std::setw(7) << "truth"
        << std::setw(7) << "right" << std::setw(7) << "wrong" << std::setw(8) << "missed"
        << std::setw(8) << "hidden" << std::setw(11) << "precision" << std::setw(9) << "recall"
        << '\n';
    int right = 0;
    int wrong = 0;
    int truth = 0;
    int hidden = 0;
    for (const auto& [meaning, counts] : m_meanings) {
        right += counts.right;
        wrong += counts.wrong;
        truth += counts.truth;
        hidden += counts.hidden;
        out << std::left << std::setw(14) << MeaningText(meaning) << std::right << std::setw(7)
            << counts.truth << std::setw(7) << counts.right << std::setw(7) << counts.wrong
            << std::setw(8) << counts.missed << std::setw(8) << counts.hidden << std::setw(11)
            << Percent(Ratio(counts.right, counts.right + counts.wrong)) << std::setw(9)
            << (counts.truth ? Percent(Ratio(counts.right, counts.truth)) : "-") << '\n';
    }

    PrintFaults(out, "Confident meanings on fields never to fill, no exception", m_strictFaults);
    PrintFaults(out, "Confident meanings on other fields never to fill", m_neverFaults);
    PrintFaults(out, "Other wrong meanings", m_otherWrong);
    if (listMisses)
        PrintFaults(out, "Fields a profile answers, missed", m_misses);
    if (!m_unread.empty()) {
        out << "\nPages that did not load or answer (" << m_unread.size() << ")\n";
        for (const std::string& page : m_unread)
            out << "  " << page << '\n';
    }

    const double precision = Ratio(right, right + wrong);
    // A field the page does not show is never filled, rightly: the recall counts those shown.
    const double recall = Ratio(right, truth - hidden);
    const double neverFilled =
        m_neverFields == 0 ? 0.0 : Ratio(static_cast<int>(m_neverFaults.size()), m_neverFields);
    struct Target
    {
        std::string figure;
        std::string value;
        std::string limit;
        bool holds;
    };
    const Target targets[] = {
        {"precision of confident meanings", Percent(precision), ">= 97.0 %",
         precision >= kPrecisionTarget},
        {"confident meanings on " + std::to_string(m_strictFields) +
             " password, captcha, honeypot, search, username, code, card, security fields",
         std::to_string(m_strictFaults.size()), "0", m_strictFaults.empty()},
        {"other never-fill fields given a meaning, of " + std::to_string(m_neverFields),
         Percent(neverFilled), "<= 0.5 %", neverFilled <= kNeverFilledLimit},
        {"recall over e-mail, first, last and full name, web site, of " +
             std::to_string(truth - hidden) + " shown (" + Percent(Ratio(right, truth)) +
             " of all " + std::to_string(truth) + ")",
         Percent(recall), ">= 90.0 %", recall >= kRecallTarget},
    };
    out << "\nTargets\n";
    bool allHold = true;
    for (const Target& target : targets) {
        allHold = allHold && target.holds;
        out << "  " << std::left << std::setw(88) << target.figure << std::right << std::setw(9)
            << target.value << std::setw(11) << target.limit << "  "
            << (target.holds ? "ok" : "MISSED") << '\n';
    }
    return allHold;
}
