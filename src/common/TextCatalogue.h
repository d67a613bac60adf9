#pragma once

#include <initializer_list>
#include <string>

// The core's texts for the user are English in the source and marked with KESTRINE_TEXT (or
// KESTRINE_COUNT_TEXT where a count chooses the grammatical number, KESTRINE_TEXT_NOOP where the
// text stays English), which lupdate reads as it reads QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP
// (see translations/CMakeLists.txt). The interface installs a translator at start
// that looks them up in Qt's catalogue under the same context, so the core links no Qt and
// still speaks the user's language. Until one is installed, texts stay English.
// `count` is -1 for a text without %n.
using TextTranslator = std::string (*)(const char* context, const char* text, int count);

void InstallTextTranslator(TextTranslator translator);

// A text whose grammatical number follows a count, which replaces its %n.
struct CountedText
{
    const char* context;
    const char* text;
};

// The text in the installed language.
std::string TranslatedText(const char* context, const char* text);
std::string TranslatedText(CountedText text, int count);

// Replaces %1 to %9 in pattern by the arguments, in one pass: an argument that itself holds
// "%2" stays as it is. The order of the placeholders is the translation's.
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> arguments);

#define KESTRINE_TEXT(context, text) TranslatedText(context, text)
// Marks a text that stays English where the core keeps it (tables, output for scripts); the
// interface translates it where it shows it, with QCoreApplication::translate and the context.
#define KESTRINE_TEXT_NOOP(context, text) text
#define KESTRINE_COUNT_TEXT(context, text)                                                         \
    CountedText                                                                                    \
    {                                                                                              \
        context, text                                                                              \
    }
