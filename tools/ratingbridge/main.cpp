// ratingbridge: exports a finished tournament's games as rating changes into the rating
// program's "TALLA" of the directory it is started in.
#include "tools/ratingbridge/shell/start.h"
#include "ui/app.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    startRatingbridge({argv + 1, argv + argc});
    return app.run();
}
