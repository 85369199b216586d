// uiscript: performs a script of user steps on one of the programs (being built).
#include <cstdio>

int main() {
    std::fputs("uiscript: not available yet\n", stderr);
    return 1;
}
