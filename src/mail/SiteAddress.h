#pragma once

#include <optional>
#include <string>

// The host of a web address (http or https only), in lower case, without a final dot; nothing
// for any other kind of address (javascript:, data:, mailto:, ftp:) and for one that libcurl,
// which reads addresses as the browser's requests will, cannot read. A host hidden behind a
// user name ("https://site.example@elsewhere.example/") is the one the address really leads to.
std::optional<std::string> WebHostOf(const std::string& address);

// Whether `linkHost` belongs to the site of `siteHost`: the same host, or the same registrable
// domain ("confirm.directory.example" and "www.directory.example"), as the Public Suffix List
// draws it, so that two sites under one public suffix ("a.github.io", "b.github.io") stay two.
// Numeric addresses belong only to themselves.
bool IsSameSite(const std::string& linkHost, const std::string& siteHost);
