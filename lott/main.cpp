// lott: the tournament program. Works in the current directory.
#include "lott/shell/fdemo_app.h"

int main(int argc, char** argv) {
    FDemoApp app(argc, argv);
    return app.Run();
}
