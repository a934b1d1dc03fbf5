#pragma once
// The program's main block: creates the windows and runs the message loop.
int SkribanoMain(int argc, char** argv);
