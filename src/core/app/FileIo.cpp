#include "core/app/FileIo.h"

#include <atomic>
#include <cerrno>
#include <ctime>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/Fd.h"

namespace zicalc {

namespace {

std::string Describe(const char* operation, const std::filesystem::path& path, int err)
{
    return std::string(operation) + " " + path.string() + ": " + std::generic_category().message(err);
}

// Writes every byte, retrying interrupted and short writes; returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return EIO;  // no progress and no reason given: do not spin
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

int SyncRetrying(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

// A name no other writer (in this process or another) picks at the same moment.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& path)
{
    static std::atomic<unsigned long> counter{0};
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    const std::string name = "." + path.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                             std::to_string(counter.fetch_add(1)) + "-" + std::to_string(ts.tv_nsec);
    return path.parent_path() / name;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return std::nullopt;
    }
    std::string bytes;
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && st.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

FileStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path dir = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    const std::filesystem::path target = path.parent_path().empty() ? dir / path : path;

    // The replacement keeps the permission bits of the file it replaces.
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    std::filesystem::path temp;
    int fdNumber = -1;
    for (int attempt = 0; attempt < 100 && fdNumber < 0; ++attempt) {
        temp = TemporaryNameFor(target);
        fdNumber = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fdNumber < 0 && errno != EEXIST) {
            return {Describe("create", temp, errno)};
        }
    }
    if (fdNumber < 0) {
        return {Describe("create", temp, EEXIST)};
    }
    Fd fd(fdNumber);

    auto fail = [&](const char* operation, const std::filesystem::path& what, int err) {
        if (fd.valid()) {
            fd.Close();
        }
        ::unlink(temp.c_str());
        return FileStatus{Describe(operation, what, err)};
    };

    if (hadOld && ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
        return fail("chmod", temp, errno);
    }
    if (const int err = WriteAll(fd.get(), bytes)) {
        return fail("write", temp, err);
    }
    if (const int err = SyncRetrying(fd.get())) {
        return fail("fsync", temp, err);
    }
    if (fd.Close() != 0) {
        return fail("close", temp, errno);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return fail("rename", target, errno);
    }

    // Without this the rename itself may not survive a crash.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dirFd.valid()) {
        return {Describe("open directory", dir, errno)};
    }
    if (const int err = SyncRetrying(dirFd.get()); err != 0 && err != EINVAL) {
        return {Describe("fsync directory", dir, err)};
    }
    return {};
}

FileStatus AppendToFile(const std::filesystem::path& path, std::string_view bytes)
{
    Fd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        return {Describe("open", path, errno)};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return {Describe("stat", path, errno)};
    }
    if (const int err = WriteAll(fd.get(), bytes)) {
        // Never leave half a line behind: cut back to what was there before.
        std::string error = Describe("write", path, err);
        int truncated = 0;
        while ((truncated = ::ftruncate(fd.get(), st.st_size)) != 0 && errno == EINTR) {
        }
        if (truncated != 0) {
            error += "; " + Describe("truncate", path, errno);
        }
        return {error};
    }
    if (const int err = SyncRetrying(fd.get())) {
        return {Describe("fsync", path, err)};
    }
    if (fd.Close() != 0) {
        return {Describe("close", path, errno)};
    }
    return {};
}

}  // namespace zicalc
