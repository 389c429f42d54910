// The question bank at 100 000 questions, each figure beside its floor: what the same work costs
// when done by the plainest means (iconv alone for a load, memmem alone for a search, a bare
// write + fsync + rename for a save). Run from a directory on the disk the bank would live on.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

#include "core/app/FileIo.h"
#include "core/app/Gbk.h"
#include "core/exam/QuestionBank.h"
#include "core/exam/QuestionBrowser.h"
#include "core/exam/QuestionStore.h"
#include "gui/exam/BrowserPage.h"

using namespace zicalc;

namespace {

constexpr int kQuestions = 100000;
constexpr int kSelectiveMatches = 60;
const std::string kSelective = "玄奘取经";  // in 60 questions
const std::string kBroad = "什么";          // in every other question

const std::filesystem::path kDir = std::filesystem::current_path() / "question-bank-bench";
const std::filesystem::path kBank = kDir / "test.dat";

// A bank of invented questions: random common characters, the two keywords placed as above.
std::string MakeBankText()
{
    const std::u32string pool =
        U"天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁律吕调阳云腾致雨露结为霜金生丽水玉出昆冈剑号"
        U"巨阙珠称夜光果珍李柰菜重芥姜海咸河淡鳞潜羽翔龙师火帝鸟官人皇始制文字乃服衣裳推位让国有虞陶唐";
    std::mt19937 random(42);
    auto word = [&](int length) {
        std::string out;
        for (int i = 0; i < length; ++i) {
            const char32_t c = pool[random() % pool.size()];
            // Three-byte UTF-8 for these characters.
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        return out;
    };
    std::string text;
    text.reserve(static_cast<std::size_t>(kQuestions) * 110);
    for (int k = 1; k <= kQuestions; ++k) {
        std::string question = word(8 + static_cast<int>(random() % 10));
        if (k % 2 == 0) {
            question += kBroad;
        }
        if (k % (kQuestions / kSelectiveMatches) == 0) {
            question = kSelective + question;
        }
        question += "？";
        text += std::to_string(k) + "," + std::string(kQuestionCategories[static_cast<std::size_t>(k % 10)]) + "," +
                question + "," + word(3) + "," + word(3) + "," + word(4) + "," + word(2) + "\r\n";
    }
    return text;
}

const std::string& BankBytes()
{
    static const std::string bytes = [] {
        GbkResult r = EncodeGbk(MakeBankText());
        if (!r.ok()) {
            std::abort();
        }
        return r.text;
    }();
    return bytes;
}

void WriteBank()
{
    std::filesystem::create_directories(kDir);
    if (!WriteFileAtomically(kBank, BankBytes()).ok()) {
        std::abort();
    }
}

void BM_Load(benchmark::State& state)
{
    WriteBank();
    for (auto _ : state) {
        QuestionBank bank;
        QuestionStore store(bank, kBank);
        benchmark::DoNotOptimize(store.Load());
        if (bank.Count() != static_cast<std::size_t>(kQuestions)) {
            state.SkipWithError("bank not whole");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BankBytes().size()));
}

void BM_LoadFloor_ReadAndIconv(benchmark::State& state)
{
    WriteBank();
    for (auto _ : state) {
        std::optional<std::string> bytes = ReadFileBytes(kBank);
        GbkResult text = DecodeGbk(*bytes);
        benchmark::DoNotOptimize(text.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BankBytes().size()));
}

// One keystroke in the search field, end to end: the field's text changes, the bank is searched,
// the list model is rebuilt and the shown page lays out and paints.
void SearchKeystroke(benchmark::State& state, const std::string& keyword)
{
    WriteBank();
    QuestionBank bank;
    QuestionStore store(bank, kBank);
    store.Load();
    QuestionBrowser browser(bank);
    BrowserPage page(browser);
    page.resize(800, 500);
    page.show();
    auto* field = page.findChild<QLineEdit*>(QStringLiteral("Text17"));
    const QString word = QString::fromStdString(keyword);
    QCoreApplication::processEvents();
    std::size_t matches = 0;
    for (auto _ : state) {
        field->setText(word);
        QCoreApplication::processEvents();
        state.PauseTiming();
        matches = browser.ViewCount();
        field->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["matches"] = static_cast<double>(matches);
}

void BM_SearchSelective(benchmark::State& state)
{
    SearchKeystroke(state, kSelective);
}
void BM_SearchBroad(benchmark::State& state)
{
    SearchKeystroke(state, kBroad);
}

// memmem over the same question texts, one after another, counting the questions that match.
void SearchFloor(benchmark::State& state, const std::string& keyword)
{
    WriteBank();
    QuestionBank bank;
    QuestionStore store(bank, kBank);
    store.Load();
    std::string text;
    for (std::size_t k = 0; k < bank.Count(); ++k) {
        text += bank.Record(k).question;
        text += '\n';
    }
    for (auto _ : state) {
        std::size_t count = 0;
        const char* p = text.data();
        const char* end = p + text.size();
        while (const void* hit = memmem(p, static_cast<std::size_t>(end - p), keyword.data(), keyword.size())) {
            ++count;
            p = static_cast<const char*>(
                std::memchr(hit, '\n', static_cast<std::size_t>(end - static_cast<const char*>(hit))));
            if (p == nullptr) {
                break;
            }
        }
        benchmark::DoNotOptimize(count);
        state.counters["matches"] = static_cast<double>(count);
    }
}

void BM_SearchSelectiveFloor_Memmem(benchmark::State& state)
{
    SearchFloor(state, kSelective);
}
void BM_SearchBroadFloor_Memmem(benchmark::State& state)
{
    SearchFloor(state, kBroad);
}

// A modify: check the file, write the whole bank through the atomic writer, take it back.
void BM_Rewrite(benchmark::State& state)
{
    WriteBank();
    QuestionBank bank;
    QuestionStore store(bank, kBank);
    store.Load();
    std::size_t k = 0;
    for (auto _ : state) {
        const QuestionRecord opened = bank.Record(k);
        QuestionRecord changed = opened;
        changed.correct = opened.correct == "甲" ? "乙" : "甲";
        if (!store.Replace(k, opened, changed).done) {
            state.SkipWithError("save failed");
        }
        k = (k + 7919) % bank.Count();
    }
}

void BM_RewriteFloor_WriteFsyncRename(benchmark::State& state)
{
    WriteBank();
    const std::string& bytes = BankBytes();
    const std::filesystem::path temp = kDir / "plain.tmp";
    for (auto _ : state) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
            ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temp.c_str(), kBank.c_str()) != 0) {
            state.SkipWithError("plain write failed");
        }
    }
}

// The atomic writer alone on the same bytes: how much of a save is the writer's own safety
// (temporary file, fsync of the file and of its directory).
void BM_RewriteWriterOnly(benchmark::State& state)
{
    WriteBank();
    for (auto _ : state) {
        if (!WriteFileAtomically(kBank, BankBytes()).ok()) {
            state.SkipWithError("write failed");
        }
    }
}

}  // namespace

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFloor_ReadAndIconv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSelective)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSelectiveFloor_Memmem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchBroad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchBroadFloor_Memmem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rewrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewriteWriterOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewriteFloor_WriteFsyncRename)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(kDir);
    return 0;
}
