#pragma once

#include <string>
#include <string_view>
#include <vector>

// Helpers for the words files that fill by meaning reads (field words, category words).

// `text` without blanks (spaces, tabs, carriage returns) at either end.
std::string_view TrimmedWordsLine(std::string_view text);

// The parts of `text` between any of `separators`, each trimmed; empty parts are left out.
std::vector<std::string_view> SplitWordsLine(std::string_view text, std::string_view separators);

// Calls `read` with each line of `text`, trimmed, and its number counting from 1.
template <typename Read> void ForEachWordsLine(std::string_view text, Read read)
{
    for (size_t number = 1; !text.empty(); ++number) {
        const size_t end = text.find('\n');
        read(TrimmedWordsLine(text.substr(0, end)), number);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
}

// Reads a words file line by line: skips blank lines and comments, takes its "languages:" line,
// hands each section heading and each entry to the file's own reader, and words the faults it
// finds with their line numbers.
class CWordsFileReader
{
public:
    virtual ~CWordsFileReader() = default;

protected:
    void ReadText(std::string_view text, std::vector<std::string>& languages,
                  std::vector<std::string>& errors);
    // The text between a heading's brackets; false when it is in error, and the lines of its
    // section are then left out with it rather than each one reported.
    virtual bool ReadHeading(std::string_view heading) = 0;
    virtual void ReadEntry(std::string_view line) = 0;

    // What is wrong with a text of the file ("unknown role "header"").
    void Fail(std::string_view before, std::string_view text, std::string_view after);
    void Fail(std::string_view what);

private:
    enum class Section
    {
        None,
        Read,
        Faulty,
    };

    void ReadLine(std::string_view line, std::vector<std::string>& languages);

    std::vector<std::string>* m_errors = nullptr;
    size_t m_line = 0;
    Section m_section = Section::None;
};
