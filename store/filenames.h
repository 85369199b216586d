// The fixed names of the tournament directory's global files.
#pragma once

namespace store::fil {
// global binary files
inline constexpr const char* TURN = "TURN";
inline constexpr const char* TILLB = "TILLB";
inline constexpr const char* POANGSYS = "POANGSYS";
inline constexpr const char* SELN = "SELN";
inline constexpr const char* VILKV = "VILKV";
inline constexpr const char* VALFRI = "VALFRI.DAT";
inline constexpr const char* SKICKA = "SKICKA";
inline constexpr const char* TEMPT = "TEMPT";
inline constexpr const char* LADDAS = "LADDAS";
inline constexpr const char* LADDAT = "LADDAT";
inline constexpr const char* SKICKAP = "SKICKAP";
inline constexpr const char* LSKICKA = "LSKICKA";
inline constexpr const char* VALDR = "VALDR";
// one-line text files
inline constexpr const char* STANGT = "STANGT";
inline constexpr const char* FONTS = "FONTS";
inline constexpr const char* POANGSY = "POANGSY";
inline constexpr const char* SLUMPT = "SLUMPT";
inline constexpr const char* FNAMN = "FNAMN";
inline constexpr const char* VILKSY = "VILKSY";
// scratch files of rebuilds
inline constexpr const char* TEMPF = "TEMPF";           // ".R" file
inline constexpr const char* BORTEMP = "BORTEMP";       // ".T" file, first round taken back
inline constexpr const char* INTEMP = "INTEMP";         // ".T" file, late entry
inline constexpr const char* UTTEMP = "UTTEMP";         // ".T" file, withdrawal
inline constexpr const char* TEMPVFRI = "TEMPVFRI.DAT"; // "VALFRI.DAT", last round taken back
inline constexpr const char* TVFRI = "TVFRI.DAT";       // "VALFRI.DAT", changed result
inline constexpr const char* VFRITE = "VFRITE.DAT";     // "VALFRI.DAT" copy while adjourned games are open
// folder of report files
inline constexpr const char* LOTTUTSKRIFTER = "lottutskrifter";
} // namespace store::fil
