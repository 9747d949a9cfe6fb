#pragma once

// The program's entry: checks the car database, then loads and shows the splash.
namespace Module1 {

// Returns false when the program cannot start (the reason has been shown to the user and the
// program is ending with a non-zero status).
bool Main();

} // namespace Module1
