#include "tools/lagturnering/lagsida.h"

#include "lott/reports/html_report.h"
#include "store/decimal_text.h"
#include "store/html.h"
#include "store/safe_name.h"

namespace lagturnering {

std::string evenemangsnamn(const std::string& namnfalt) {
    return namnfalt.empty() ? kIngetNamn : namnfalt;
}

std::string vardetext(double varde, Variant v) {
    if (v == Variant::Relativ) return std::to_string(static_cast<long long>(varde));
    return store::decimalText(varde, 3);
}

std::string lagsida(const std::string& namn, const std::vector<Lagrad>& rader, Variant v) {
    std::string ut = reports::pageStart(store::htmlEscape(namn));
    // The heading row is left open, as the page has always had it.
    ut += "<tr><td width='100' height='13'></td>\n";
    ut += "<td width='150' height='13'><strong>Plats</strong></td>\n";
    ut += "<td width='200' height='13'><strong>Skola</strong></td>\n";
    ut += "<td width='300' height='13'><strong>Poäng</strong></td>\n";
    ut += "<td width='50' height='13'>";
    int plats = 0;
    for (const auto& rad : rader) {
        ut += "<tr><td width='100' height='13'></td>\n";
        ut += "<td width='150' height='13'><strong>" + std::to_string(++plats) + "</strong></td>\n";
        ut += "<td width='150' height='13'><strong>" + store::htmlEscape(rad.namn) + "</strong></td>\n";
        ut += "<td width='100' height='13'><strong>" + vardetext(rad.varde, v) + "</strong></td>\n";
        ut += "<td width='50' height='13'><strong></strong></td>\n";
        ut += "</tr>\n";
    }
    ut += reports::kPageEnd;
    return ut;
}

std::string lagsidaPath(const std::string& mapp, const std::string& namn) {
    return store::safePathIn(mapp, namn, ".htm");
}

} // namespace lagturnering
