#pragma once

#include <QString>

// Copies of the program started in one folder share its files. Each copy's
// exit reads every shared file, compares it with what it saw and then writes
// it; two copies ending at the same moment (a logout ends them all) would
// each read before the other wrote and lose one's text. While a copy holds
// this lock no other copy does, so one exit step runs after the other.
//
// The lock is a file in the folder, locked for as long as the object lives;
// one copy takes it once at a time (a second lock would wait on the first).
// A copy that cannot have it within a few
// seconds (a copy hung in its exit, a folder it may not create files in)
// goes on without it, since not saving at all would lose more.
class SharedFilesLock {
public:
    explicit SharedFilesLock(const QString& appFolder);
    ~SharedFilesLock();
    SharedFilesLock(const SharedFilesLock&) = delete;
    SharedFilesLock& operator=(const SharedFilesLock&) = delete;

    // The lock file's name in the program folder.
    static const QString FileName;

private:
    int descriptor = -1;
};
