#include "ui/uiscript/programs.h"

#include <map>

#include "lott/shell/start.h"
#include "rank/shell/start.h"
#include "tools/lagturnering/shell/start.h"
#include "tools/ratingbridge/shell/start.h"
#include "tools/resultfix/shell/start.h"

namespace uiscript {

StartFunction findProgram(const std::string& name) {
    static const std::map<std::string, StartFunction> programs = {
        {"lott", [](const std::vector<std::string>&) { startLott(); }},
        {"rank", [](const std::vector<std::string>&) { startRank(); }},
        {"ratingbridge", &startRatingbridge},
        {"lagturnering", &startLagturnering},
        {"resultfix", &startResultfix},
    };
    auto it = programs.find(name);
    return it == programs.end() ? nullptr : it->second;
}

} // namespace uiscript
