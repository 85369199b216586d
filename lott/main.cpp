// lott: the tournament program. Works in the current directory.
#include <iostream>

#include "lott/shell/fdemo_app.h"
#include "resources/lott/handbok.h"

int main(int argc, char** argv) {
    // --help and --version are answered without a window (and without a display).
    if (const int status =
            ui::answerCommandLine({argv + 1, argv + argc}, lottres::usage(), std::cout, std::cerr);
        status >= 0)
        return status;
    FDemoApp app(argc, argv);
    return app.Run();
}
