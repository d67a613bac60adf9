#pragma once

#include "mail/ImapMailbox.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pieces of the server's untagged answers the mailbox needs. libcurl runs the protocol;
// these read the lines it passes on.

// The UIDs of "* SEARCH 3 7 9" lines.
std::vector<uint32_t> SearchResult(std::string_view answer);
// The mails of "* 1 FETCH (UID 3 FLAGS (\Seen) INTERNALDATE "…" RFC822.SIZE 120)" lines.
std::vector<ArrivedMail> FetchedDescriptions(std::string_view answer);
// An INTERNALDATE ("08-Dec-2026 08:18:28 +0100") in milliseconds since 1970 UTC.
std::optional<int64_t> InternalDateUtcMs(std::string_view date);
// A SEARCH date ("8-Dec-2026") for the UTC day of `utcMs`.
std::string SearchDate(int64_t utcMs);
// "1:5,7,9:12" for the sorted `uids`.
std::string UidSet(const std::vector<uint32_t>& uids);
// `name` as an IMAP quoted string.
std::string QuotedMailboxName(const std::string& name);
