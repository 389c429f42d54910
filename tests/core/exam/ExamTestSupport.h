#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "core/app/Gbk.h"
#include "core/exam/QuestionBank.h"

namespace zicalc {

inline void PrintTo(const QuestionRecord& r, std::ostream* os)
{
    *os << r.id << '|' << r.category << '|' << r.question << '|' << r.correct << '|' << r.wrong1 << '|' << r.wrong2
        << '|' << r.wrong3;
}

namespace testing_support {

inline std::string Gbk(std::string_view utf8)
{
    GbkResult r = EncodeGbk(utf8);
    EXPECT_TRUE(r.ok());
    return r.text;
}

inline std::string Slurp(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Spit(const std::filesystem::path& p, std::string_view bytes)
{
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lines "k,古代常识,问题k？,答k,甲k,乙k,丙k" for k = 1 … n, CR LF, as UTF-8.
inline std::string NumberedBank(int n)
{
    std::string text;
    for (int k = 1; k <= n; ++k) {
        const std::string s = std::to_string(k);
        text += s + ",古代常识,问题" + s + "？,答" + s + ",甲" + s + ",乙" + s + ",丙" + s + "\r\n";
    }
    return text;
}

// A fresh directory for one test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("zicalc-exam-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    std::filesystem::path dir_;
};

}  // namespace testing_support
}  // namespace zicalc
