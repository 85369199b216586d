// The dialogs of a tournament's optional features: money prizes, ranking groups, Elo and
// titles, own categories, and the choice of an own category for its standings.
#pragma once
#include "ui/resource.h"

namespace lottres {

// "Penningpriser": prizes by place.
inline constexpr int DLG_PENNINGPRISER = 1026;
inline constexpr int IDC_PRISPLATSER = 101;  // list of the places 1..50
inline constexpr int IDC_PRISNR = 102;       // "Pris &nr", the selected place (read-only)
inline constexpr int IDC_PRISKR = 103;       // "Pris &kr", digits only
inline constexpr int IDC_BEKRAFTAPRIS = 104; // "&Bekräfta pris"
inline constexpr int IDC_DELAS = 105;        // "&Delas priserna"
inline constexpr int IDC_SARSKILJNING = 106; // "Avgör &särskiljning"
inline constexpr int IDC_PENNINGHJALP = 107; // "&Hjälp"

// "Rankinggrupper": the division into ranking groups and the group prize.
inline constexpr int DLG_RANKINGGRUPPER = 1027;
inline constexpr int IDC_ANTALSPELARE = 101;  // N, read-only
inline constexpr int IDC_ANTALGRUPPER = 102;  // G
inline constexpr int IDC_PERGRUPP = 103;      // S
inline constexpr int IDC_FRANNR = 104;        // F
inline constexpr int IDC_DELASRANKING = 105;  // "Delas vid samma poäng."
inline constexpr int IDC_SKILJSRANKING = 106; // "Skiljs åt med kvalitetspoäng."
inline constexpr int IDC_RANKINGPRIS = 107;   // P
inline constexpr int IDC_RANKINGHJALP = 108;  // "&Hjälp"

// "Spelare med titel och elotal".
inline constexpr int DLG_ELOTITEL = 1028;
inline constexpr int IDC_ELOSPELARE = 101;  // the players, "nr.  name"
inline constexpr int IDC_ELOVALD = 102;     // "&Startnr och namn." (read-only)
inline constexpr int IDC_ELOTAL = 103;      // "&Elotal"
inline constexpr int IDC_TITEL = 104;       // "&Titel"
inline constexpr int IDC_ELOBEKRAFTA = 105; // "&Bekräfta"
inline constexpr int IDC_ELOHJALP = 106;    // "&Hjälp"

// Dialog 1029, "Spelare med egen kategori".
inline constexpr int DLG_EGENKATEGORI = 1029;
inline constexpr int IDC_NYKATEGORI = 101;       // "&Ny kategori"
inline constexpr int IDC_KATEGORIPRIS = 102;     // "&Prispengar för kategori", digits only
inline constexpr int IDC_BEKRAFTAKATEGORI = 103; // "&Bekräfta ny kategori"
inline constexpr int IDC_KATEGORIER = 104;       // "&Aktuell egen kategori"
inline constexpr int IDC_KATSPELARE = 105;       // "Välj genom att &dubbelklicka"
inline constexpr int IDC_VALDA = 106;            // the players picked, with their category
inline constexpr int IDC_BORJAOM = 107;          // "&Börja om"
inline constexpr int IDC_KATEGORIHJALP = 108;    // "&Hjälp"

// Dialog 28, "Välj egen kategori".
inline constexpr int DLG_VALJEKAT = 28;
inline constexpr int IDC_EKATLISTA = 101; // the categories of the tournament

const ui::DialogResource& penningprisResurs();
const ui::DialogResource& rankinggruppResurs();
const ui::DialogResource& elotitelResurs();
const ui::DialogResource& egenkategoriResurs();
const ui::DialogResource& valjEkatResurs();

} // namespace lottres
