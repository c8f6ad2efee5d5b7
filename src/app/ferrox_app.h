#pragma once
// The application object: guarantees one running instance, then runs the main window until it
// closes; the program ends with it.

#include <string>
#include <vector>

namespace ferrox {

class CFerroxApp {
public:
    // The whole life of the program; returns the exit status.
    int Run(int argc, char** argv);
};

} // namespace ferrox
