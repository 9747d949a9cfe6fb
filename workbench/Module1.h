#pragma once

// The program's entry: loads and shows the splash.
namespace Module1 {

// Returns false when the program is already ending (a second instance, told so).
bool Main();

} // namespace Module1
