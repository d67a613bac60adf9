#pragma once

#include "DemoSubmission.h"

#include <map>
#include <string>
#include <vector>

// The HTML with which the demo site shows what its directories received; every received text is
// escaped, since it comes straight from a form.
namespace submission_html {

// A table of the fields, one row each.
std::string FieldsTable(const std::multimap<std::string, std::string>& fields);

// Every submission, newest first, each with its directory, outcome and fields.
std::string SubmissionList(const std::vector<DemoSubmission>& submissions);

} // namespace submission_html
