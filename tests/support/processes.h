#pragma once
// Starting programs side by side and waiting for them, for tests of several processes
// working on one file at once.

#include <string>
#include <vector>

namespace mv::test {

// Starts a program (args[0] is its path); the returned handle is waited for by Finish, -1
// when it could not start.
long Start(const std::vector<std::string>& args);
// The exit status, or -1.
int Finish(long handle);

}  // namespace mv::test
