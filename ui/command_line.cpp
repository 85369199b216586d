#include "ui/command_line.h"

#include <algorithm>
#include <ostream>

namespace ui {
namespace {

void writeUsage(const Usage& u, std::ostream& out) {
    std::string synopsis;
    for (const auto& o : u.options)
        synopsis += " [" + o.flag + "]";
    out << "Användning: " << u.program << synopsis << "\n";
    for (const auto& line : u.about)
        out << line << "\n";
    out << "\nFlaggor:\n";
    std::vector<Usage::Option> all = u.options;
    all.push_back({"--help", "visa den här texten och avsluta"});
    all.push_back({"--version", "visa programmets version och avsluta"});
    for (const auto& o : all)
        out << "  " << o.flag << std::string(o.flag.size() < 12 ? 12 - o.flag.size() : 1, ' ') << o.text
            << "\n";
    out << "\nHandboken finns i programmet (Handbok, F1) och i /usr/share/doc/turneringsverktyg/.\n";
}

} // namespace

int answerCommandLine(const std::vector<std::string>& args, const Usage& usage, std::ostream& out,
                      std::ostream& err) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            writeUsage(usage, out);
            return 0;
        }
        if (a == "--version" || a == "-V") {
            out << usage.program << " (Turneringsverktyg) " << SUITE_VERSION << "\n";
            return 0;
        }
    }
    for (const auto& a : args) {
        const bool own = std::any_of(usage.options.begin(), usage.options.end(),
                                     [&](const Usage::Option& o) { return o.flag == a; });
        if (own) continue;
        if (a.size() > 1 && a[0] == '-')
            err << usage.program << ": okänd flagga \"" << a << "\"\n";
        else
            err << usage.program << ": oväntat argument \"" << a
                << "\" (programmet arbetar i mappen det startas i)\n";
        err << "Skriv \"" << usage.program << " --help\" för att se vad programmet förstår.\n";
        return 2;
    }
    return -1;
}

} // namespace ui
