// The drawing model of rank's list window: a list is lines of texts placed at fractions of the
// width, computed once as data; the screen, the paper (through the list window's paper report) and
// uiscript's dump are renderers of the same lines. A list has a head (the title and the lines above the rows, with the column
// headings), a head for the later printed pages, and its rows.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace rank {

// What a line is; each surface gives every kind its font height.
enum class Stil { Rubrik, Text, Kolumnrubrik, Rad };

struct Falt {
    double x = 0; // left edge as a fraction of the width (the right edge when `hoger`)
    std::string text;
    bool hoger = false;
};

struct Rad {
    Stil stil = Stil::Rad;
    std::vector<Falt> falt;
    double fore = 1; // space above the line, in line steps of its kind (1: the next line)
};

struct Listinnehall {
    std::vector<Rad> huvud;      // the first page (and the screen)
    std::vector<Rad> huvudForts; // later printed pages
    std::vector<Rad> rader;
};

// Font heights of each kind and the row step (a multiple of the row height), in the units of the
// surface drawn on.
struct Typsnitt {
    double rubrik = 16;
    double text = 12;
    double kolumnrubrik = 12;
    double rad = 11;
    double radsteg = 1.6;
};

// The font class of the screen: its width rounded down to a multiple of 20 pixels, below 750,
// 750 to 949, 950 and more. Unless the larger text is chosen every window uses the narrow class.
enum class Breddklass { Smal, Mellan, Bred };
Breddklass breddklass(int skarmbredd, bool storreText);

// The screen fonts of a class (Arial, 10 to 30 pixels) for a list of `poster` rows: in the narrow
// class a long list (more than `litenFranOch` rows) gets the smaller row font, and rows move closer
// above 40 and again above 60 rows.
Typsnitt skarmtypsnitt(Breddklass klass, std::size_t poster, std::size_t litenFranOch);

struct Placerad {
    double x = 0; // the left edge, or the right edge when `hoger`
    double y = 0; // the top of the text
    double hojd = 0;
    std::string text;
    bool hoger = false;
    bool fet = false;
};

struct Sida {
    std::vector<Placerad> texter; // head first, then the rows top to bottom
    double botten = 0;            // below the last text
};

// Rows [fran, till) of a list.
struct Sidintervall {
    std::size_t fran = 0;
    std::size_t till = 0;
};

// Lays out `rader` rows [fran, till) under the head (`forts`: the head of a later page) on a
// surface `bredd` units wide.
Sida layoutSida(const Listinnehall& lista, Sidintervall rader, bool forts, double bredd, const Typsnitt& t);

} // namespace rank
