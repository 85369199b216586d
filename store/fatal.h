// The one file error of the system: any file that cannot be opened ends the process.
#pragma once
#include <functional>

namespace store {

// Writes "Cannot open output file.\n" to the standard error stream and ends the process with
// status 1. A window program may install a hook that shows the same text first.
[[noreturn]] void fatalFileError();

// Called once by fatalFileError() before it ends the process (for a message box). Empty by default.
void setFatalFileErrorHook(std::function<void()> hook);

} // namespace store
