#pragma once
// The guard that lets one copy of the program run at a time, in every run mode:
// an exclusive lock on a file named like the guard in the runtime folder. The
// kernel releases it if the process dies, so a crash never blocks later starts.
#include <string>

namespace vm {

class SingleInstance {
public:
    explicit SingleInstance(const std::string& name = "RedarIre");
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the guard.
    bool Acquired() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace vm
