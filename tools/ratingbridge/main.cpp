// ratingbridge: exports a finished tournament's games as rating changes into the rating
// program's "TALLA" of the directory it is started in.
#include <iostream>

#include "resources/ratingbridge/handbok.h"
#include "tools/ratingbridge/shell/start.h"
#include "ui/app.h"

int main(int argc, char** argv) {
    // --help and --version are answered without a window (and without a display).
    if (const int status =
            ui::answerCommandLine({argv + 1, argv + argc}, ratingbridgeres::usage(), std::cout, std::cerr);
        status >= 0)
        return status;
    ui::Application app(argc, argv);
    startRatingbridge({argv + 1, argv + argc});
    return app.run();
}
