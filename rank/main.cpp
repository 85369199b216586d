// rank: the club rating program. Works in the current directory.
#include "rank/shell/fdemo_app.h"

int main(int argc, char** argv) {
    rank::FDemoApp app(argc, argv);
    return app.Run();
}
