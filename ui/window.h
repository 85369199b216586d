// The window classes of the ui layer. Qt-free (pimpl), so dialog classes of the programs can
// derive from them without including the toolkit.
//
// Lifetime: a window is created with new, shown, and owned by the ui layer from then on. When it
// closes (close(), its frame, or a handler that commits) it hides, runs onDestroy(), and is
// deleted after the current handler has returned. Never delete a shown window yourself.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/resource.h"

namespace ui {

namespace detail {
struct WindowImpl;
}

// What every window has: a caption, a parent, timers, posted messages, a destroy hook.
class Window {
  public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void show();                                 // shows the window modeless
    void close();                                // closes it (destroy hook, then deletion)
    bool isOpen() const;                         // shown and not yet closed
    std::string caption() const;                 // the title bar text
    void setCaption(const std::string& caption); // changes the title bar text
    Window* parent() const;                      // the window given at construction, or null

    // Repeating timer `id` every `periodMs` milliseconds, running `handler` on the GUI thread;
    // starting a running id restarts it. Timers stop when the window closes.
    void startTimer(int id, int periodMs, std::function<void()> handler);
    void stopTimer(int id);

    // Posts private message `message` to the main window: handled after the current handler
    // has returned, one at a time, in posting order.
    static void post(int message);

    detail::WindowImpl& impl() const { return *impl_; } // for the ui layer itself

  protected:
    explicit Window(Window* parent);
    // Runs once when the window closes, for whatever reason, before it is deleted.
    virtual void onDestroy() {}

  private:
    friend struct detail::WindowImpl;
    std::unique_ptr<detail::WindowImpl> impl_;
};

// A dialog built from a resource; controls are addressed by their ids.
class Dialog : public Window {
  public:
    Dialog(Window* parent, const DialogResource& resource);
    ~Dialog() override;

    int execute(); // shows the dialog modally; returns the code given to endDialog
    // Shows the dialog modeless as the program's own window (a tool that has no main window):
    // the event loop runs while it is open, and closing it through its frame ends the program.
    void showAsProgramWindow();
    void endDialog(int code); // ends a modal dialog with `code` (closes a modeless one)

    // --- text, check state, enabling
    std::string text(int id) const;                // edit/combo text, or caption
    void setText(int id, const std::string& text); // edit/combo text, or caption
    bool checked(int id) const;                    // check box or radio
    void setChecked(int id, bool on);              // without running handlers
    void enable(int id, bool on = true);           // grey out when false
    void setReadOnly(int id, bool on = true);      // edits and combos
    void setFocus(int id);                         // moves the keyboard focus
    int focusedId() const;                         // id of the control with focus, 0 if none
    bool hasControl(int id) const;

    // --- lists (List, SortedList, MultiList, Combo, DropDown)
    int addRow(int id, const std::string& row);                // returns its index (sorted lists sort)
    void insertRow(int id, int index, const std::string& row); // index -1 appends
    void deleteRow(int id, int index);
    void setRowText(int id, int index, const std::string& row);
    void clearList(int id);
    int count(int id) const;
    std::string rowText(int id, int index) const;
    int selection(int id) const;                        // selected row, -1 when none
    void select(int id, int index);                     // -1 clears; runs no handler
    std::vector<int> selections(int id) const;          // MultiList: selected rows, ascending
    void setSelected(int id, int index, bool on);       // MultiList: (de)selects one row
    int findRow(int id, const std::string& text) const; // first row equal to text, -1 when none

    // --- directory list (DirList)
    std::string directory(int id) const;                // the directory shown (absolute path)
    void setDirectory(int id, const std::string& path); // shows it and makes it current

    // --- handlers, the dialog's response table
    void onButton(int id, std::function<void()> handler);          // button or check/radio click
    void onDoubleClick(int id, std::function<void()> handler);     // list row double-clicked
    void onSelectionChange(int id, std::function<void()> handler); // list/combo selection changed
    void onTextChange(int id, std::function<void()> handler);      // edit/combo text edited

    // Commit and cancel: IDOK and IDCANCEL buttons (when nothing else is bound to them) and
    // Enter/Escape call these; closing by the frame calls CmCancel. By default both close.
    virtual void CmOk();
    virtual void CmCancel();

    const DialogResource& resource() const;
};

} // namespace ui
