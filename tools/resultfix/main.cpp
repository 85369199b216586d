// resultfix: replaces one stored game of a tournament in the current directory. "--lag" chooses
// the team variant (custom-score games of "VALFRI.DAT"); without it the game file is edited.
#include "tools/resultfix/shell/start.h"
#include "ui/app.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    startResultfix({argv + 1, argv + argc});
    return app.run();
}
