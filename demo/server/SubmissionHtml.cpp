#include "SubmissionHtml.h"

#include "PageTemplate.h"

#include <ranges>

using page_template::EscapeHtml;

namespace submission_html {

std::string FieldsTable(const std::multimap<std::string, std::string>& fields)
{
    if (fields.empty())
        return "<p class=\"muted\">No fields were sent.</p>";
    std::string html = "<table class=\"fields\">\n";
    for (const auto& [name, value] : fields)
        html += "<tr><th>" + EscapeHtml(name) + "</th><td>" + EscapeHtml(value) + "</td></tr>\n";
    return html + "</table>";
}

std::string SubmissionList(const std::vector<DemoSubmission>& submissions)
{
    if (submissions.empty())
        return "<p class=\"muted\">No directory has received a feed yet.</p>";
    std::string html;
    for (const DemoSubmission& submission : submissions | std::views::reverse) {
        html += "<section class=\"submission\">\n<h2>" + EscapeHtml(submission.directory) +
                "</h2>\n<p>" + EscapeHtml(submission.method) + ", " +
                (submission.accepted ? "accepted" : "refused by the directory") + "</p>\n" +
                FieldsTable(submission.fields) + "\n</section>\n";
    }
    return html;
}

} // namespace submission_html
