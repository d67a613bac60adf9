#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the mail reader takes from a message: the few headers that say who wrote it and when,
// the words a reader sees, and the links it offers. Every text is valid UTF-8.
struct MailMessage
{
    std::string from;                 // "Name <address>" as the From header gives it, decoded
    std::string to;                   // the addresses of To, decoded, separated by ", "
    std::string subject;              // decoded
    std::optional<int64_t> dateUtcMs; // the Date header, when it has one that can be read
    // The subject and the text of the text and HTML parts, one part after the other.
    std::string text;
    // The links of the text parts and the HREFs of the HTML parts, in the order they come,
    // each once, as the mail writes them (to be judged before anything is done with them).
    std::vector<std::string> links;
    // What was left of the message and why, in the user's language.
    std::vector<std::string> notes;
    // False when the message could not be read at all (then only `notes` says anything).
    bool readable = false;
};
