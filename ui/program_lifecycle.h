// The start and end of the program, and its fatal stop.
#pragma once

#include "core/parameter_pairing.h"

#include <QString>

#include <memory>

namespace quorrel {

// Runs the program: creates the application and the lists, opens MainWindow
// and runs the event loop until the window is closed; then releases the
// lists and returns 0, the exit status. The program takes no command line:
// Qt is given only `programName`.
[[nodiscard]] int startProgram(char* programName);

// The three lists a parse works on, empty.
[[nodiscard]] std::unique_ptr<ParseLists> createLists();

// Releases the lists at the normal end, after every window is gone.
void releaseLists(std::unique_ptr<ParseLists> lists);

// The text of the fatal-error box for `message`: "运行时出错!" CR LF CR LF
// "错误信息：" message CR LF.
[[nodiscard]] QString fatalErrorText(const QString& message);

// Shows the fatal-error box for `message` (caption "错误", error icon, one
// OK button, no owner) and waits until it is dismissed; then ends the
// process with exit status -1 without releasing the lists. Without an
// application object no box can be shown: the text goes to standard error.
// A fatal error while the box is being shown ends the process at once.
[[noreturn]] void fatalError(const QString& message);

}  // namespace quorrel
