#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>

// How much of a mail, and of a mailbox's answers, is read before the rest is left with a note.
// A confirmation is a short message; nothing a directory sends comes near these, while a mail
// made to hurt (50 MB, parts nested a thousand deep, a header line of a megabyte) must cost
// neither the memory nor the time of the window. Tests shorten any of them.
struct MailLimits
{
    // A larger mail is not fetched at all.
    size_t maxMessageBytes = size_t{4} * 1024 * 1024;
    // Parts inside parts beyond this depth are not read.
    int maxPartDepth = 20;
    // Text and HTML parts read from one mail, and the text kept of each.
    int maxTextParts = 16;
    size_t maxTextBytes = size_t{1024} * 1024;
    // A header line longer than this is no header a mail program writes: the mail is left.
    size_t maxHeaderLineBytes = size_t{64} * 1024;
    // Links taken from one mail.
    size_t maxLinks = 500;

    // One answer of the server (a search result, a list of arrival dates).
    size_t maxAnswerBytes = size_t{8} * 1024 * 1024;
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(15)};
    // One exchange with the server, however steadily its bytes arrive.
    std::chrono::milliseconds exchangeTimeout{std::chrono::seconds(60)};
    // An exchange slower than this many bytes a second for `lowSpeedTime` has stalled.
    long lowSpeedBytesPerSecond = 64;
    std::chrono::seconds lowSpeedTime{20};
    // When set and true, the exchange under way ends at once and no other starts: the window
    // is closing.
    const std::atomic<bool>* stop = nullptr;

    bool Stopped() const { return stop && stop->load(); }
};
