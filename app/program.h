#pragma once

#include <functional>

class Tphotofrm;

// The program from start to end: application, main window, About dialog
// and the event loop. `started` runs once the main window is shown.
int runProgram(int& argc, char** argv, const std::function<void(Tphotofrm&)>& started = {});
