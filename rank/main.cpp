// rank: the club rating program. Works in the current directory.
#include <iostream>

#include "rank/shell/fdemo_app.h"
#include "resources/rank/handbok.h"

int main(int argc, char** argv) {
    // --help and --version are answered without a window (and without a display).
    if (const int status =
            ui::answerCommandLine({argv + 1, argv + argc}, rankres::usage(), std::cout, std::cerr);
        status >= 0)
        return status;
    rank::FDemoApp app(argc, argv);
    return app.Run();
}
