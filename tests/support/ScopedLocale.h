#pragma once

#include <clocale>
#include <string>

// Sets the C library's locale, every category, while it lives, as the window does with the
// desktop's (QCoreApplication calls setlocale(LC_ALL, "")), then puts the old one back.
class ScopedLocale
{
public:
    explicit ScopedLocale(const char* name) : m_old(std::setlocale(LC_ALL, nullptr))
    {
        m_set = std::setlocale(LC_ALL, name) != nullptr;
    }

    ~ScopedLocale() { std::setlocale(LC_ALL, m_old.c_str()); }

    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // False when the system lacks the locale (scripts/install-deps generates it).
    bool IsSet() const { return m_set; }

private:
    std::string m_old;
    bool m_set = false;
};
