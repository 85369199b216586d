#include "store/remi_text.h"

namespace store {

bool remiSomDecimaltal(std::string_view typed) {
    return typed.size() > 1 && typed[0] == '0' && (typed[1] == '.' || typed[1] == ',');
}

} // namespace store
