#pragma once

#include "support/CorpusVerdict.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

// Adds up the verdicts on the corpus's annotated fields and prints the figures the targets are
// set on.
class CScorecard final
{
public:
    // A confident meaning on a field that must never be filled, with what the page said there.
    struct Fault
    {
        std::string where; // page, form and field name
        std::string code;
        std::string meaning;
        std::string says;
    };

    void Add(const std::string& page, const std::vector<FieldVerdict>& verdicts,
             const std::vector<FieldDescriptor>& fields);
    void AddUnread(const std::string& page) { m_unread.push_back(page); }

    // Prints the table and the faults; returns whether every target holds.
    bool Print(std::ostream& out, bool listMisses) const;

private:
    struct MeaningCounts
    {
        int truth = 0;
        int right = 0;
        int wrong = 0;  // confident fills of this meaning that are wrong
        int missed = 0; // fields of this meaning not given it
        int hidden = 0; // fields of this meaning the browser did not show
    };

    std::map<FieldMeaning, MeaningCounts> m_meanings;
    int m_strictFields = 0;
    int m_neverFields = 0;
    std::vector<Fault> m_strictFaults;
    std::vector<Fault> m_neverFaults;
    std::vector<Fault> m_otherWrong;
    std::vector<Fault> m_misses;
    std::vector<std::string> m_unread;
};
