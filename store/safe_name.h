// File names made from user text (tournament, category and member names).
#pragma once
#include <string>
#include <string_view>

namespace store {

// A file name that is safe to create inside a folder: path separators, control characters and
// characters that no file system accepts become '_', a name of only dots or an empty one becomes
// "namnlos", and the result is cut to fit the file system's 255-byte name limit together with
// `suffix`. A name that needs none of this comes back unchanged.
std::string safeFileName(std::string_view userText, std::string_view suffix = {});

// `folder` + "/" + safeFileName(userText, suffix) + suffix: always a file directly in `folder`.
std::string safePathIn(const std::string& folder, std::string_view userText, std::string_view suffix);

} // namespace store
