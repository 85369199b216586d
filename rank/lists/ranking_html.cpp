#include "rank/lists/ranking_html.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <unordered_map>

#include "rank/rating/period.h"
#include "rank/register/klubb.h"
#include "store/clock.h"
#include "store/fatal.h"
#include "store/files.h"
#include "store/html.h"

namespace rank {

namespace {

std::string esc(const std::string& text) {
    return store::htmlEscape(text);
}

// An address goes inside a quoted attribute: its quote is escaped as well.
std::string attribut(const std::string& text) {
    std::string out;
    for (char c : esc(text))
        if (c == '\'')
            out += "&#39;";
        else
            out += c;
    return out;
}

// "1", "5" or "9": the first month of the third the date falls in.
std::string tertialetsForstaManad(const std::tm& idag) {
    return std::to_string(4 * rating::tertial(idag.tm_mon + 1) + 1);
}

std::string datumtext(bool flytande, const std::tm& idag) {
    const std::string ar = std::to_string(idag.tm_year + 1900);
    if (flytande) return std::to_string(idag.tm_mday) + "/" + std::to_string(idag.tm_mon + 1) + " " + ar;
    return "1/" + tertialetsForstaManad(idag) + " " + ar;
}

} // namespace

std::string rankingHtmlNamn(bool flytande, const std::tm& idag) {
    const std::string ar = std::to_string(idag.tm_year + 1900);
    if (flytande)
        return "flytande_ranking_" + std::to_string(idag.tm_mday) + "_" + std::to_string(idag.tm_mon + 1) +
               "_" + ar + ".htm";
    return "ranking_1_" + tertialetsForstaManad(idag) + "_" + ar + ".htm";
}

std::string rankingHtml(const std::vector<spelarstruct>& sorterade, const std::vector<elostruct>& elo,
                        const std::vector<mailstruct>& mail, const std::string& klubb, bool flytande,
                        const std::tm& idag) {
    // The last Elo record of a name counts; every mail record of a name gives a link.
    std::unordered_map<std::string_view, int> eloAv;
    for (const auto& e : elo)
        eloAv[e.namn] = e.elo;
    std::unordered_map<std::string_view, std::vector<const std::string*>> mailAv;
    for (const auto& m : mail)
        mailAv[m.namn].push_back(&m.mail);
    const bool eloKolumn = !elo.empty();
    const std::string rubrik = "Ranking för " + esc(klubb);

    std::string out;
    out.reserve(512 + sorterade.size() * (eloKolumn ? 330 : 250));
    out += "<html><head><title>" + rubrik + "</title>" + store::kHtmlCharsetMeta + "</title>\n";
    out += "<body bgcolor='white' text='black' link='blue' vlink='purple' alink='red'>\n";
    out += "<p><x-claris-window top='0' bottom='435' left='0' right='784'> <x-claris-tagview\n";
    out += "mode='minimal'> </p>";
    out += "<p align='center'><font size='5' color='#000055'></font><font size='5'\n";
    out += "color='#000055'><b></b></font><font size='5' color='#000055'>\n";
    out += "</font><font size='5' color='#000055'><b>";
    if (flytande) out += "Flytande ";
    out += rubrik + " " + datumtext(flytande, idag) + " </b></font>\n";

    out += "<div align='center'><table border>\n";
    out += "    <tr>\n";
    out += "        <td width='182' height='13'><p><font color='navy'><b>Namn </b></font></td>\n";
    out += "        <td width='110'><p><font color='navy'><b>VELK</b></font></td>\n";
    if (eloKolumn) out += "        <td width='99'><p><font color='navy'><b>ELO</b></font></td>\n";
    out += "    </tr>\n";

    int k = 0;
    for (const auto& s : sorterade) {
        out += "        <td width='182' height='13'><p><font color='navy'>";
        out += std::to_string(++k);
        out += '.';
        out += esc(s.namn);
        out += "</font>\n";
        if (auto it = mailAv.find(s.namn); it != mailAv.end())
            for (const std::string* adress : it->second) {
                out += "        <a href='mailto:";
                out += attribut(*adress);
                out += "'><font color='navy'><img src='mailtous.gif'\n";
                out += "        align='bottom' width='30' height='12' border='2'></font></a>";
            }
        out += "</td>\n";
        out += "       <td width='110' height='13'><p><font color='navy'>";
        out += std::to_string(s.ranking);
        out += "</font></td>\n";
        if (eloKolumn) {
            const auto it = eloAv.find(s.namn);
            out += "       <td width='99' height='13'><p><font color='navy'>";
            out += it != eloAv.end() && it->second > 0 ? std::to_string(it->second) : std::string("-");
            out += "</font></td>\n";
        }
        out += "    </tr>\n";
    }
    out += "</font></table></div></body></html>";
    return out;
}

void skapaUtskriftsmapp() {
    std::error_code ec;
    std::filesystem::create_directories(fil::RANKINGUTSKRIFTER, ec);
    if (!std::filesystem::is_directory(fil::RANKINGUTSKRIFTER)) store::fatalFileError();
}

std::string gorhtml(const std::vector<spelarstruct>& sorterade, bool flytande) {
    skapaUtskriftsmapp();
    const auto elo = store::touchAndReadAll<elostruct>(fil::ELO);
    const auto mail = store::touchAndReadAll<mailstruct>(fil::MAIL);
    const std::tm idag = store::localNow();
    const std::string path = std::string(fil::RANKINGUTSKRIFTER) + "/" + rankingHtmlNamn(flytande, idag);
    store::writeReport(path, rankingHtml(sorterade, elo, mail, lasKlubbnamn(), flytande, idag));
    return path;
}

} // namespace rank
