// Resources: the plain tables from which windows are built. Qt-free, so that resource tables
// (resources/<program>/) and dialog classes (lott/*) can be written without the toolkit.
#pragma once
#include <string>
#include <vector>

namespace ui {

// Standard command ids: a button with IDOK commits the dialog (CmOk), one with IDCANCEL
// cancels it (CmCancel), unless a handler is bound to that id.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
// Id of a static text that no code addresses.
inline constexpr int IDSTATIC = -1;

enum class Kind {
    Static,        // text label; an "&" mnemonic focuses the next control
    Edit,          // one-line text field
    ReadOnlyEdit,  // one-line text field the user cannot change
    Button,        // push button
    DefaultButton, // push button pressed by Enter
    Check,         // check box
    Radio,         // radio button; radios of the same group clear each other
    List,          // single-selection list, rows in insertion order
    SortedList,    // single-selection list kept sorted
    MultiList,     // multi-selection list
    Combo,         // editable combo box (text field with a drop-down)
    DropDown,      // drop-down list, selection only
    DirList,       // directory list: choosing a directory makes it the current directory
};

// One control: grid cell (row, col) spanning rowSpan x colSpan cells of the dialog's grid.
struct Control {
    int id = IDSTATIC;
    Kind kind = Kind::Static;
    std::string caption; // label of statics, buttons, checks and radios; initial text of edits
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
    int maxLength = 0; // edits and combos: at most this many characters (0: no limit)
    int group = 0;     // radios: the group they belong to
    int width = 0;     // edits: characters the field shows (0: as many as maxLength allows)
};

// A dialog resource: its number, title, grid width and controls in tab order.
struct DialogResource {
    int number = 0;
    std::string title;
    int columns = 1; // grid columns; controls span them with colSpan
    std::vector<Control> controls;
};

// A menu: popups in order, each a list of commands; an item with id 0 is a separator.
// Standard keys follow the caption, in menus and on dialog buttons alike: "&Skriv ut" answers
// Ctrl+P and "&Hjälp" F1.
struct MenuItem {
    int id = 0;
    std::string caption; // with "&" mnemonic
    std::string hint;    // shown in the status bar while the item is highlighted
};
struct Popup {
    std::string caption;
    std::vector<MenuItem> items;
};
struct MenuResource {
    std::string name;
    std::vector<Popup> popups;
};

// A message box of the catalogue: number, title (may be empty), lines shown exactly as written,
// one or two buttons (the first returns 1, the second 2; closing the box returns 2).
struct Message {
    int number = 0;
    std::string title;
    std::vector<std::string> lines;
    std::vector<std::string> buttons;
};

} // namespace ui
