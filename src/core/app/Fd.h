#pragma once

#include <unistd.h>
#include <utility>

namespace zicalc {

// Owns a file descriptor and closes it on every path out; Close() reports the error where it
// matters, release() hands the descriptor on.
class Fd final {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int Close() { return ::close(std::exchange(fd_, -1)); }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace zicalc
