#pragma once

#include <chrono>
#include <span>
#include <string_view>

enum class FormMethod
{
    Get,
    Post,
};

// One RSS directory of the demo site: where its submission page is, how its form travels and
// how it answers. Its pages are site/directories/<folder>/form.html and result.html.
struct DemoDirectory
{
    std::string_view name; // as the demo databases name it
    std::string_view folder;
    std::string_view formPath;
    FormMethod method;
    std::string_view actionPath;
    std::chrono::milliseconds answerDelay{0};
    // Records the submission but answers with an error page instead of its confirmation.
    bool refusesSubmissions = false;
};

// Every directory of the demo databases, including the one that only the database update lists.
std::span<const DemoDirectory> DemoDirectories();

// Directories the site serves that no demo database lists, for the user to learn from their
// pages. Their forms name their fields in ways no rule would guess ("f1", table cells).
std::span<const DemoDirectory> LearnableDemoDirectories();
