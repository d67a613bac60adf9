#pragma once

#include <functional>
#include <grp.h>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Runs `check` in a child process for which the permissions of the test's files hold: as root,
// whom they do not bind, the child becomes the unprivileged user nobody first. `check` returns
// what went wrong, or nothing; the answer is its exit status, the words go to standard error.
inline bool PassesWithoutPrivileges(const std::function<std::string()>& check)
{
    constexpr uid_t kNobody = 65534;
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(2);
        const std::string problem = check();
        if (!problem.empty())
            std::cerr << problem << std::endl;
        _exit(problem.empty() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}
