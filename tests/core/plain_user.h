#pragma once

#include <QFile>
#include <QString>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

// Runs action with the file permissions an ordinary user meets: when the
// tests run as root, who writes and reads through any permission, it runs in
// a child process that has become "nobody"; otherwise it runs here. Gives
// action's result, or -1 when the child could not drop root or did not end
// by itself. The action must not use the test framework, since a child's
// failures would never reach it.
[[nodiscard]] inline int AsPlainUser(const std::function<int()>& action) {
    if (geteuid() != 0)
        return action();
    constexpr uid_t Nobody = 65534;
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(Nobody) != 0 || setuid(Nobody) != 0)
            _exit(255);
        _exit(action());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

// Lets every user reach the folder, so a dropped child can work below it.
inline bool OpenToEveryone(const QString& folder) {
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
}
