#include "ui/shell.h"

#include "ui/runtime.h"

namespace ui {

// Every window's Form_Unload runs this sequence again; the unloads of windows
// already being unloaded do nothing, and End stops the program on every path.
void Shell::shutDown() {
    unloadAll();
    End();
}

} // namespace ui
