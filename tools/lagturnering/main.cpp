// lagturnering: team standings from individual tournaments, as an HTML page. "--total" chooses
// the total variant (1-1/2-0 summed); without it the relative variant (3-2-1, 40 x sum / players).
#include <iostream>

#include "resources/lagturnering/handbok.h"
#include "tools/lagturnering/shell/start.h"
#include "ui/app.h"

int main(int argc, char** argv) {
    // --help and --version are answered without a window (and without a display).
    if (const int status =
            ui::answerCommandLine({argv + 1, argv + argc}, lagturneringres::usage(), std::cout, std::cerr);
        status >= 0)
        return status;
    ui::Application app(argc, argv);
    startLagturnering({argv + 1, argv + argc});
    return app.run();
}
