#include "mail/MailReader.h"

#include "common/TextCatalogue.h"
#include "mail/GMimeLibrary.h"
#include "mail/HtmlContent.h"
#include "mail/MailText.h"
#include "mail/TextLinks.h"

#include <algorithm>
#include <gmime/gmime.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

struct GObjectDeleter
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

std::string TakeText(char* text)
{
    std::string copy = text ? ValidUtf8(text) : std::string();
    g_free(text);
    return copy;
}

std::string AddressesOf(InternetAddressList* list)
{
    return list ? TakeText(internet_address_list_to_string(list, nullptr, FALSE)) : std::string();
}

// The longest line of the message's own header block, which ends at its first empty line.
size_t LongestHeaderLine(std::string_view bytes)
{
    size_t longest = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const size_t length = end - start;
        if (length == 0 || (length == 1 && bytes[start] == '\r'))
            break;
        longest = std::max(longest, length);
        start = end + 1;
    }
    return longest;
}

class CPartWalker
{
public:
    CPartWalker(const MailLimits& limits, MailMessage& message)
        : m_limits(limits), m_message(message)
    {}

    // Goes through the parts without recursion, so that no nesting reaches the stack's end.
    void Walk(GMimeObject* root)
    {
        std::vector<std::pair<GMimeObject*, int>> pending{{root, 0}};
        while (!pending.empty()) {
            auto [object, depth] = pending.back();
            pending.pop_back();
            if (!object)
                continue;
            if (depth > m_limits.maxPartDepth) {
                NoteOnce(m_depthNoted,
                         KESTRINE_TEXT("MailReader", "parts nested too deeply were not read"));
                continue;
            }
            if (GMIME_IS_MULTIPART(object)) {
                GMimeMultipart* multipart = GMIME_MULTIPART(object);
                // Backwards onto the stack, so that the parts are read in their order.
                for (int index = g_mime_multipart_get_count(multipart) - 1; index >= 0; --index)
                    pending.emplace_back(g_mime_multipart_get_part(multipart, index), depth + 1);
            } else if (GMIME_IS_MESSAGE_PART(object)) {
                if (GMimeMessage* inner =
                        g_mime_message_part_get_message(GMIME_MESSAGE_PART(object)))
                    pending.emplace_back(g_mime_message_get_mime_part(inner), depth + 1);
            } else if (GMIME_IS_TEXT_PART(object)) {
                ReadTextPart(GMIME_PART(object));
            }
        }
    }

private:
    void NoteOnce(bool& noted, std::string note)
    {
        if (!noted)
            m_message.notes.push_back(std::move(note));
        noted = true;
    }

    void ReadTextPart(GMimePart* part)
    {
        GMimeObject* object = GMIME_OBJECT(part);
        if (const char* disposition = g_mime_object_get_disposition(object);
            disposition && g_ascii_strcasecmp(disposition, GMIME_DISPOSITION_ATTACHMENT) == 0)
            return;
        GMimeContentType* type = g_mime_object_get_content_type(object);
        const bool html = g_mime_content_type_is_type(type, "text", "html");
        if (!html && !g_mime_content_type_is_type(type, "text", "plain"))
            return;
        if (m_partsRead == m_limits.maxTextParts) {
            NoteOnce(m_partsNoted,
                     KESTRINE_TEXT("MailReader", "only the first text parts were read"));
            return;
        }
        ++m_partsRead;
        const std::string text = DecodedText(part, type);
        if (html) {
            HtmlContent content = ReadHtml(text, RemainingLinks());
            Add(std::move(content.text), std::move(content.links));
        } else {
            Add(text, TextLinks(text, RemainingLinks()));
        }
    }

    std::string DecodedText(GMimePart* part, GMimeContentType* type)
    {
        GMimeDataWrapper* content = g_mime_part_get_content(part);
        if (!content)
            return {};
        GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new());
        g_mime_data_wrapper_write_to_stream(content, stream.get());
        const GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream.get()));
        std::string_view decoded(reinterpret_cast<const char*>(bytes->data), bytes->len);
        if (decoded.size() > m_limits.maxTextBytes) {
            decoded = decoded.substr(0, m_limits.maxTextBytes);
            NoteOnce(m_lengthNoted,
                     KESTRINE_TEXT("MailReader", "only the beginning of a long text was read"));
        }
        const char* charset = g_mime_content_type_get_parameter(type, "charset");
        bool unknownCharset = false;
        std::string text = TextToUtf8(decoded, charset ? charset : "", unknownCharset);
        if (unknownCharset)
            NoteOnce(m_charsetNoted,
                     FillIn(KESTRINE_TEXT("MailReader",
                                          "the character set %1 is unknown; its text was read "
                                          "as far as it is plain ASCII"),
                            {ValidUtf8(charset ? charset : "")}));
        return text;
    }

    size_t RemainingLinks() const { return m_limits.maxLinks - m_message.links.size(); }

    void Add(std::string text, std::vector<std::string> links)
    {
        m_message.text += '\n';
        m_message.text += text;
        for (std::string& link : links) {
            if (std::find(m_message.links.begin(), m_message.links.end(), link) ==
                m_message.links.end())
                m_message.links.push_back(ValidUtf8(link));
        }
    }

    const MailLimits& m_limits;
    MailMessage& m_message;
    int m_partsRead = 0;
    bool m_depthNoted = false;
    bool m_partsNoted = false;
    bool m_lengthNoted = false;
    bool m_charsetNoted = false;
};

void ReadHeaders(GMimeMessage* parsed, MailMessage& message)
{
    message.from = AddressesOf(g_mime_message_get_from(parsed));
    message.to = AddressesOf(g_mime_message_get_to(parsed));
    if (const char* subject = g_mime_message_get_subject(parsed))
        message.subject = ValidUtf8(subject);
    if (GDateTime* date = g_mime_message_get_date(parsed))
        message.dateUtcMs = static_cast<int64_t>(g_date_time_to_unix(date)) * 1000;
    message.text = message.subject;
}

} // namespace

MailMessage ReadMail(std::string_view bytes, const MailLimits& limits)
{
    MailMessage message;
    if (bytes.size() > limits.maxMessageBytes) {
        message.notes.push_back(KESTRINE_TEXT("MailReader", "the mail is too large to be read"));
        return message;
    }
    if (LongestHeaderLine(bytes) > limits.maxHeaderLineBytes) {
        message.notes.push_back(
            KESTRINE_TEXT("MailReader", "the mail has a header line too long to be read"));
        return message;
    }
    EnsureGMime();
    GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    GObjectPtr<GMimeMessage> parsed(g_mime_parser_construct_message(parser.get(), nullptr));
    if (!parsed) {
        message.notes.push_back(KESTRINE_TEXT("MailReader", "the mail cannot be read"));
        return message;
    }
    message.readable = true;
    ReadHeaders(parsed.get(), message);
    CPartWalker(limits, message).Walk(g_mime_message_get_mime_part(parsed.get()));
    return message;
}
