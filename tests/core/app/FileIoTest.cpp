#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

#include "core/app/FileIo.h"

using namespace zicalc;
namespace fs = std::filesystem;

namespace {

class FileIo : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zicalc-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void Put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::set<std::string> Entries() const
    {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            names.insert(e.path().filename().string());
        }
        return names;
    }

    fs::path dir_;
};

// Caps the size of any file this process writes, as a full disk would; SIGXFSZ is ignored so the
// write fails with EFBIG instead of killing the test. Running as root, permissions cannot do this.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = saved_;
        capped.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

std::string Pattern(std::size_t size)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        s[i] = static_cast<char>(i * 131 % 251);  // NULs and high bytes included
    }
    return s;
}

TEST_F(FileIo, WriteReplacesTheFileKeepsItsModeAndLeavesNothingElse)
{
    const fs::path file = dir_ / "test.dat";
    ASSERT_TRUE(WriteFileAtomically(file, "first\r\n").ok());
    EXPECT_EQ(ReadFileBytes(file), "first\r\n");

    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const std::string big = Pattern(3 * 1024 * 1024 + 7);
    const FileStatus status = WriteFileAtomically(file, big);
    ASSERT_TRUE(status.ok()) << status.error;
    EXPECT_EQ(ReadFileBytes(file), big);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    ASSERT_TRUE(WriteFileAtomically(file, "").ok());
    EXPECT_EQ(ReadFileBytes(file), "");
    EXPECT_EQ(Entries(), std::set<std::string>{"test.dat"});
}

TEST_F(FileIo, ReadOfAMissingFileOrADirectoryIsNothing)
{
    EXPECT_EQ(ReadFileBytes(dir_ / "missing"), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir_), std::nullopt);
}

TEST_F(FileIo, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const fs::path file = dir_ / "setting.ini";
    const std::string old = "[Main]\r\nKey=旧值\r\n";
    Put(file, old);
    FileStatus status;
    {
        FileSizeLimit limit(4096);
        status = WriteFileAtomically(file, Pattern(100000));
    }
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("write"), std::string::npos) << status.error;
    EXPECT_NE(status.error.find("File too large"), std::string::npos) << status.error;
    EXPECT_EQ(ReadFileBytes(file), old);
    EXPECT_EQ(Entries(), std::set<std::string>{"setting.ini"});
}

TEST_F(FileIo, AFailedRenameIsReportedAndCleanedUp)
{
    const fs::path target = dir_ / "busy";
    fs::create_directory(target);
    Put(target / "inside", "keep");
    const FileStatus status = WriteFileAtomically(target, "new");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("rename"), std::string::npos) << status.error;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(ReadFileBytes(target / "inside"), "keep");
    EXPECT_EQ(Entries(), std::set<std::string>{"busy"});

    const FileStatus noDir = WriteFileAtomically(dir_ / "absent" / "f", "x");
    EXPECT_FALSE(noDir.ok());
    EXPECT_NE(noDir.error.find("No such file or directory"), std::string::npos) << noDir.error;
}

TEST_F(FileIo, AppendAddsWholeLinesAndCutsBackAShortWrite)
{
    const fs::path file = dir_ / "log.txt";
    ASSERT_TRUE(AppendToFile(file, "line1\r\n").ok());
    ASSERT_TRUE(AppendToFile(file, "line2\r\n").ok());
    EXPECT_EQ(ReadFileBytes(file), "line1\r\nline2\r\n");

    FileStatus status;
    {
        // Room for part of the line only: the write is cut short, then fails.
        FileSizeLimit limit(14 + 10);
        status = AppendToFile(file, std::string(100, 'x') + "\r\n");
    }
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("File too large"), std::string::npos) << status.error;
    EXPECT_EQ(ReadFileBytes(file), "line1\r\nline2\r\n");
}

}  // namespace
