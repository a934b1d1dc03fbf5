#pragma once
// The command line. Without options the program runs. --start, --toggle and
// --quit are requests to the running program of this display, sent over the
// session bus by a small client that opens no window and no connection to
// the display, and that ends within 5 seconds; --help and --version only
// print. Exit status: 0 done, 1 the running program was not reached or
// refused, 2 a wrong command line.

#include <optional>

struct TBefehlszeile {
    // The exit status when the process is done; empty when the program runs.
    std::optional<int> Ende;
    // "--start" with no program running: this one runs and enters drawing
    // mode as soon as its tool window is ready.
    bool Zeichnen = false;
};

TBefehlszeile Befehlszeile(int argc, char** argv);
