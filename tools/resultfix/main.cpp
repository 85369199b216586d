// resultfix: replaces one stored game of a tournament in the current directory. "--lag" chooses
// the team variant (custom-score games of "VALFRI.DAT"); without it the game file is edited.
#include <iostream>

#include "resources/resultfix/handbok.h"
#include "tools/resultfix/shell/start.h"
#include "ui/app.h"

int main(int argc, char** argv) {
    // --help and --version are answered without a window (and without a display).
    if (const int status =
            ui::answerCommandLine({argv + 1, argv + argc}, resultfixres::usage(), std::cout, std::cerr);
        status >= 0)
        return status;
    ui::Application app(argc, argv);
    startResultfix({argv + 1, argv + argc});
    return app.run();
}
