#include "ui/automation_script.h"

#include <cctype>
#include <sstream>

#include "store/clock.h"

namespace ui::automation {
namespace {

// Reads a control reference at `pos`: a (possibly negative) number or a quoted caption.
bool readControl(const std::string& s, std::size_t& pos, ui::automation::ControlRef& out) {
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
    if (pos >= s.size()) return false;
    if (s[pos] == '"') {
        const std::size_t end = s.find('"', pos + 1);
        if (end == std::string::npos) return false;
        out.byCaption = true;
        out.caption = s.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        return true;
    }
    std::size_t end = pos;
    if (s[end] == '-') ++end;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end])))
        ++end;
    if (end == pos || (s[pos] == '-' && end == pos + 1)) return false;
    out.id = std::stoi(s.substr(pos, end - pos));
    pos = end;
    return pos == s.size() || s[pos] == ' ';
}

bool readNumbers(const std::string& rest, std::vector<int>& out) {
    std::istringstream in(rest);
    std::string word;
    while (in >> word) {
        std::size_t used = 0;
        try {
            out.push_back(std::stoi(word, &used));
        } catch (...) {
            return false;
        }
        if (used != word.size()) return false;
    }
    return true;
}

std::string trim(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

bool parseLine(const std::string& raw, Step& step, std::string& why) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] == ' ')
        ++pos;
    std::size_t end = line.find(' ', pos);
    if (end == std::string::npos) end = line.size();
    step.verb = line.substr(pos, end - pos);
    pos = end;
    const std::string& v = step.verb;

    if (v == "program") {
        std::istringstream words(line.substr(pos));
        if (!(words >> step.text)) return why = "program needs a name", false;
        for (std::string arg; words >> arg;)
            step.args.push_back(arg);
        return true;
    }
    if (v == "dir" || v == "shot" || v == "today" || v == "key") {
        step.text = trim(line.substr(pos));
        if (step.text.empty()) return why = v + " needs an argument", false;
        std::tm moment;
        if (v == "today" && !store::parseMoment(step.text, moment))
            return why = "today takes a moment as YYYY-MM-DD HH:MM:SS", false;
        return true;
    }
    if (v == "close" || v == "dump") {
        if (!trim(line.substr(pos)).empty()) return why = v + " takes no argument", false;
        return true;
    }
    if (v == "answer" || v == "tick") {
        if (!readNumbers(line.substr(pos), step.numbers)) return why = "numbers expected", false;
        if (v == "tick") {
            if (step.numbers.empty()) step.numbers.push_back(1);
            if (step.numbers.size() != 1 || step.numbers[0] < 0) return why = "tick takes one count", false;
        } else {
            if (step.numbers.empty()) return why = "answer needs 1 or 2", false;
            for (int n : step.numbers)
                if (n != 1 && n != 2) return why = "an answer is 1 or 2", false;
        }
        return true;
    }
    if (v == "menu" || v == "set" || v == "check" || v == "uncheck" || v == "select" || v == "dblclick" ||
        v == "press") {
        if (!readControl(line, pos, step.control)) return why = "a control id or \"caption\" expected", false;
        if (v == "set") {
            // The rest of the line after one blank is the text, kept as written.
            step.text = pos < line.size() ? line.substr(pos + 1) : std::string();
            return true;
        }
        const std::string rest = line.substr(pos);
        if (v == "select" || v == "dblclick") {
            if (!readNumbers(rest, step.numbers) || step.numbers.empty())
                return why = "row numbers expected", false;
            if (v == "dblclick" && step.numbers.size() != 1) return why = "dblclick takes one row", false;
            return true;
        }
        if (!trim(rest).empty()) return why = "unexpected text after the control", false;
        return true;
    }
    why = "unknown step \"" + v + "\"";
    return false;
}

} // namespace

bool parseScript(const std::string& source, std::vector<Step>& steps, std::string& error) {
    std::istringstream in(source);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        const std::string t = trim(raw);
        if (t.empty() || t[0] == '#') continue;
        Step step;
        step.line = number;
        std::string why;
        if (!parseLine(raw, step, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        steps.push_back(step);
    }
    if (steps.empty() || steps.front().verb != "program") {
        error = "line " + std::to_string(steps.empty() ? number : steps.front().line) +
                ": the first step must be \"program NAME\"";
        return false;
    }
    return true;
}

} // namespace ui::automation
