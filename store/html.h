// What every HTML page the programs write shares: text escaping and the encoding declaration.
#pragma once
#include <string>

namespace store {

// Declares the page's Windows-1252 bytes, so that a web server sending its own charset header
// cannot make å, ä and ö unreadable. Written right after the page's </title>.
inline constexpr const char* kHtmlCharsetMeta =
    "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>";

// Names, clubs and titles go into a page as text: &, < and > are escaped so that no user text can
// inject markup into a published page. Ordinary text comes back unchanged.
std::string htmlEscape(const std::string& text);

} // namespace store
