#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"

void visaDeltagarlista(FDemoWin& w) {
    oppnaRapport(w);
}
