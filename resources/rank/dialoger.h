// rank's dialogs: member choice, member data, removal, period choice, result entry, undo and club
// name. Every list or drop-down that a dialog is built around has id 101.
#pragma once
#include "ui/resource.h"

namespace rankres {

inline constexpr int IDC_LISTA = 101; // the dialog's list or drop-down
inline constexpr int IDC_HJALP = 901; // "&Hjälp"

// "Spelaruppgifter"
inline constexpr int IDC_NAMN = 101;
inline constexpr int IDC_FODELSEDATUM = 102;
inline constexpr int IDC_RANKING = 103;
inline constexpr int IDC_KLASS = 104;
inline constexpr int IDC_ELO = 105;
inline constexpr int IDC_EPOST = 106;
inline constexpr int IDC_NYSPELARE = 107;
inline constexpr int IDC_TIDIGAREKLUBB = 108;
inline constexpr int IDC_PALISTA = 109;

// "Nya rankingberäknande resultat": the opponent list 101 and the tournament list 107.
inline constexpr int IDC_MOTSTANDARLISTA = 101;
inline constexpr int IDC_MOTSTANDARE = 102;
inline constexpr int IDC_MOTKLUBB = 103;
inline constexpr int IDC_MOTRANKING = 104;
inline constexpr int IDC_RESULTAT = 105;
inline constexpr int IDC_TURNERING = 106;
inline constexpr int IDC_TURNERINGSLISTA = 107;
inline constexpr int IDC_DATUM = 108;
inline constexpr int IDC_AKTUELLTURNERING = 109;
inline constexpr int IDC_ANDRING = 110;
inline constexpr int IDC_BEKRAFTA_PARTI = 111;
inline constexpr int IDC_BEKRAFTA_TURNERING = 112;

// "Namn på föreningen "
inline constexpr int IDC_KLUBBNAMN = 101;

const ui::DialogResource& valjSpelare();     // "Välj spelare"
const ui::DialogResource& spelaruppgifter(); // "Spelaruppgifter"
const ui::DialogResource& taBortSpelare();   // "Ta bort spelare ur registret"
const ui::DialogResource& valjPeriod();      // "Välj rankingperiod"
const ui::DialogResource& nyaResultat();     // "Nya rankingberäknande resultat"
const ui::DialogResource& angraResultat();   // "Ångra och ta bort resultat"
const ui::DialogResource& klubbnamn();       // "Namn på föreningen "

} // namespace rankres
