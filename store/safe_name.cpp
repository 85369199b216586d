#include "store/safe_name.h"

#include <algorithm>

#include "store/text.h"

namespace store {

std::string safeFileName(std::string_view userText, std::string_view suffix) {
    std::string name;
    name.reserve(userText.size());
    for (char c : userText) {
        const auto u = static_cast<unsigned char>(c);
        const bool forbidden = u < 0x20 || u == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' ||
                               c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
        name += forbidden ? '_' : c;
    }
    if (std::all_of(name.begin(), name.end(), [](char c) { return c == '.'; })) name = "namnlos";
    // Cut whole characters until name and suffix fit in 255 bytes.
    const std::size_t room = suffix.size() < 255 ? 255 - suffix.size() : 0;
    while (name.size() > room)
        name = firstChars(name, charCount(name) - 1);
    if (name.empty()) name = "namnlos";
    return name;
}

std::string safePathIn(const std::string& folder, std::string_view userText, std::string_view suffix) {
    return folder + "/" + safeFileName(userText, suffix) + std::string(suffix);
}

} // namespace store
