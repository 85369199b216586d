// Modal message boxes from the program's message catalogue.
#pragma once
#include <string>
#include <vector>

#include "ui/resource.h"

namespace ui {

class Window;

// Installs the program's catalogue; TEnkel looks message numbers up in it.
void setMessageCatalogue(const std::vector<Message>& catalogue);
// The catalogue entry `number`, or null when there is none.
const Message* findMessage(int number);

// Generic message dialog: TEnkel(parent, n).Execute() shows catalogue entry n modally and
// returns 1 for its first button, 2 for its second or for closing the box.
// A modal box with `title`, `text` and an OK button, for faults the program cannot recover
// from (shown only on a real display, not under automation).
void alert(const std::string& title, const std::string& text);

// An entry's lines may name texts known only when the box is shown: "%1", "%2", ... stand for
// the texts of `fill`, in order (ui/message_text.h).
class TEnkel {
  public:
    TEnkel(Window* parent, int number, std::vector<std::string> fill = {})
        : parent_(parent), number_(number), fill_(std::move(fill)) {}
    int Execute();

  private:
    Window* parent_;
    int number_;
    std::vector<std::string> fill_;
};

} // namespace ui
