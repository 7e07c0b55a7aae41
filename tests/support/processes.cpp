#include "support/processes.h"

#ifdef _WIN32
#include <process.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace mv::test {

long Start(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
#ifdef _WIN32
    return static_cast<long>(_spawnv(_P_NOWAIT, argv[0], argv.data()));
#else
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return static_cast<long>(pid);
#endif
}

int Finish(long handle) {
    if (handle < 0) return -1;
#ifdef _WIN32
    int status = -1;
    if (_cwait(&status, static_cast<intptr_t>(handle), 0) == -1) return -1;
    return status;
#else
    int status = 0;
    if (waitpid(static_cast<pid_t>(handle), &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
#endif
}

}  // namespace mv::test
