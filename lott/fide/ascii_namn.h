// Names without Swedish letters and accents, as the federation asks for them in reports:
// å→a, ä→a, ö→o, é→e, ü→u, ß→ss, æ→ae, ø→o and so on, upper case kept.
#pragma once
#include <string>
#include <string_view>

namespace fide {

// Every Latin letter with a diacritic becomes its base letter (or letters); other characters
// outside ASCII become "?", so the result is plain ASCII.
std::string utanAccenter(std::string_view utf8);

} // namespace fide
