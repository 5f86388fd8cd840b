#pragma once

#include <functional>

// Ends the program at once. Tests replace what it does so they can see it was asked for.
void TerminateProgram();
// Returns the previous action; an empty function restores the real one.
std::function<void()> SetTerminateAction(std::function<void()> action);
