// What the mail reader takes from a message: headers, text and links through every MIME
// encoding, and what it leaves, with a note, of a message made to hurt.
#include "mail/MailReader.h"

#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

std::string Mail(const std::string& headers, const std::string& body)
{
    return "From: Directory <robot@dir.example>\r\nTo: kim@home.example\r\n"
           "Date: Tue, 08 Dec 2026 09:00:00 +0100\r\nMIME-Version: 1.0\r\n" +
           headers + "\r\n" + body;
}

std::string Nested(int depth, const std::string& text)
{
    std::string headers = "Content-Type: text/plain\r\n";
    std::string body = text + "\r\n";
    for (int level = 0; level < depth; ++level) {
        const std::string boundary = "b" + std::to_string(level);
        body = "--" + boundary + "\r\n" + headers + "\r\n" + body + "--" + boundary + "--\r\n";
        headers = "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n";
    }
    return Mail("Subject: deep\r\n" + headers, body);
}

struct ReadCase
{
    const char* name;
    std::string message;
    std::string subject;
    std::vector<std::string> links;
    std::string textHolds;
    std::string noteHolds; // empty: no note
    bool readable = true;
};

std::vector<ReadCase> Cases()
{
    const std::string link = "https://dir.example/confirm?token=a1b2c3&feed=9";
    return {
        {"plain text, the link ended by a full stop",
         Mail("Subject: Please confirm\r\nContent-Type: text/plain; charset=us-ascii\r\n",
              "Click " + link + ". Thanks\r\n"),
         "Please confirm",
         {link},
         "Click",
         ""},
        {"HTML in quoted-printable, the link broken over lines",
         Mail("Subject: Confirm\r\nContent-Type: text/html; charset=utf-8\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n",
              "<html><head><script>var x=3D'https://evil.example/';</script></head><body>"
              "<p>Best=C3=A4tigen Sie:</p><a href=3D\"https://dir.example/confirm?tok=\r\n"
              "en=3Da1b2c3&amp;feed=3D9\">hier</a></body></html>\r\n"),
         "Confirm",
         {"https://dir.example/confirm?token=a1b2c3&feed=9"},
         "Bestätigen",
         ""},
        {"base64 with an encoded subject, in a multipart with an HTML twin",
         Mail("Subject: =?UTF-8?B?QmVzdMOkdGlndW5nIElocmVzIEVpbnRyYWdz?=\r\n"
              "Content-Type: multipart/alternative; boundary=\"x\"\r\n",
              "--x\r\nContent-Type: text/plain; charset=utf-8\r\n"
              "Content-Transfer-Encoding: base64\r\n\r\n"
              "UG90d2llcmTFuiB3cGlzOiBodHRwczovL2Rpci5leGFtcGxlL2NvbmZpcm0/dG9rZW49YTFiMmMz\r\n"
              "JmZlZWQ9OQ==\r\n--x\r\nContent-Type: text/html\r\n\r\n"
              "<a href=\"" +
                  link + "\">x</a> <a href=\"javascript:go()\">y</a>\r\n--x--\r\n"),
         "Bestätigung Ihres Eintrags",
         {link, "javascript:go()"},
         "Potwierdź",
         ""},
        {"ISO-8859-1 text",
         Mail("Subject: =?ISO-8859-1?Q?Best=E4tigung?=\r\n"
              "Content-Type: text/plain; charset=ISO-8859-1\r\n"
              "Content-Transfer-Encoding: 8bit\r\n",
              "Bitte best\xe4tigen: " + link + "\r\n"),
         "Bestätigung",
         {link},
         "Bitte bestätigen",
         ""},
        {"a charset nobody knows: read as far as it is ASCII",
         Mail("Subject: x\r\nContent-Type: text/plain; charset=x-nobody-knows\r\n",
              "Confirm \xff\xfe " + link + "\r\n"),
         "x",
         {link},
         "Confirm",
         "x-nobody-knows"},
        {"broken base64",
         Mail("Subject: y\r\nContent-Type: text/plain\r\nContent-Transfer-Encoding: base64\r\n",
              "!!!!====@@@@ not base64 at all ===\r\nQUJD\x01\x02===\r\n"),
         "y",
         {},
         "",
         ""},
        {"an attachment's links are not the mail's",
         Mail("Subject: z\r\nContent-Type: multipart/mixed; boundary=\"q\"\r\n",
              "--q\r\nContent-Type: text/plain\r\n\r\nSee the file.\r\n--q\r\n"
              "Content-Type: text/plain\r\nContent-Disposition: attachment; filename=a.txt\r\n\r\n"
              "https://elsewhere.example/\r\n--q--\r\n"),
         "z",
         {},
         "See the file",
         ""},
        {"parts nested a thousand deep",
         Nested(1000, "confirm " + link),
         "deep",
         {},
         "",
         "nested too deeply"},
        {"parts nested a little", Nested(5, "confirm " + link), "deep", {link}, "confirm", ""},
        {"a header line of a megabyte",
         Mail("Subject: " + std::string(1024 * 1024, 'a') + "\r\n", "confirm " + link),
         "",
         {},
         "",
         "header line too long",
         false},
        {"a mail of 50 MB",
         Mail("Subject: big\r\n", std::string(50 * 1024 * 1024, 'b') + link),
         "",
         {},
         "",
         "too large",
         false},
    };
}

TEST(MailReaderTest, TakesHeadersTextAndLinksAndLeavesWhatHurts)
{
    for (const ReadCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const MailMessage mail = ReadMail(c.message);
        EXPECT_EQ(mail.readable, c.readable);
        EXPECT_EQ(mail.subject, c.subject);
        EXPECT_THAT(mail.links, ElementsAreArray(c.links));
        if (!c.textHolds.empty())
            EXPECT_THAT(mail.text, HasSubstr(c.textHolds));
        if (c.noteHolds.empty())
            EXPECT_THAT(mail.notes, ::testing::IsEmpty());
        else
            EXPECT_THAT(mail.notes, ::testing::Contains(HasSubstr(c.noteHolds)));
        if (c.readable) {
            EXPECT_EQ(mail.from, "Directory <robot@dir.example>");
            ASSERT_TRUE(mail.dateUtcMs.has_value());
            EXPECT_EQ(*mail.dateUtcMs, 1796716800000); // 2026-12-08 08:00 UTC
        }
    }
}

} // namespace
