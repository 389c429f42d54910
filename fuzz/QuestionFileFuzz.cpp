// libFuzzer target for the question bank reader (and the GBK decoder under it): any bytes must
// read without a crash, and every record the writer agrees to carry must read back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Gbk.h"
#include "core/exam/QuestionBank.h"
#include "core/exam/QuestionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zicalc::QuestionFileContent content = zicalc::ParseQuestionFile(bytes);

    std::size_t lines = 1;
    for (char c : bytes) {
        lines += c == '\n' ? 1 : 0;
    }
    if (content.records.size() + content.badLines.size() > lines) {
        std::abort();
    }
    zicalc::QuestionBank bank;
    bank.Assign(content.records);
    if (bank.Count() > 0) {
        (void)bank.FindInQuestions(bank.Record(0).question.substr(0, 4));
    }

    // Every record the writer agrees to carry (all but those showing bytes that did not decode)
    // written out together must read back as the same records.
    std::vector<zicalc::QuestionRecord> carried;
    std::string text;
    for (const zicalc::QuestionRecord& record : content.records) {
        const auto line = zicalc::FormatQuestionLine(record, false);
        const std::string all = record.id + record.category + record.question + record.correct + record.wrong1 +
                                record.wrong2 + record.wrong3;
        if (line && all.find("\xEF\xBF\xBD") == std::string::npos) {
            carried.push_back(record);
            text += *line;
        }
    }
    const zicalc::GbkResult encoded = zicalc::EncodeGbk(text);
    if (!encoded.ok()) {
        std::abort();
    }
    const zicalc::QuestionFileContent back = zicalc::ParseQuestionFile(encoded.text);
    if (back.records != carried || !back.badLines.empty()) {
        std::abort();
    }
    return 0;
}
