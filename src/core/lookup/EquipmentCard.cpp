#include "core/lookup/EquipmentCard.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

#include "core/app/Numeric.h"
#include "core/lookup/EquipmentAttributes.h"

namespace zicalc {

namespace {

constexpr std::array<std::string_view, 6> kNotes{
    "1.上面列出的最高并不一定是最高,",  "  它只作为一个参考数据.",
    "2.下面可以计算武器装备和实际基础", "  数据之间的差距.",
    "3.这个表只是给大家作为一个参考依", "  据,如有错误之处欢迎指正.",
};

constexpr std::string_view kDefaultLevel = "10";

std::string Cat(std::initializer_list<std::string_view> parts)
{
    std::string s;
    for (std::string_view p : parts) {
        s.append(p);
    }
    return s;
}

// "命中高:17" or "命中低:33": the value against the base, a tie counting as high.
std::string Difference(std::string_view attribute, std::int32_t value, std::int32_t base)
{
    return value >= base ? Cat({attribute, "高:", FormatInt(value - base)})
                         : Cat({attribute, "低:", FormatInt(base - value)});
}

}  // namespace

EquipmentCard::EquipmentCard()
{
    view_.equipment = 1;  // anything but 0, so that choosing 武器 fills the captions
    ChooseType(0);
}

void EquipmentCard::SetValue(int field, std::string text)
{
    view_.values.at(static_cast<std::size_t>(field)) = std::move(text);
}

void EquipmentCard::SetLevel(std::string text)
{
    view_.level = std::move(text);
}

void EquipmentCard::SetQuality(int option)
{
    if (option >= 0 && option < static_cast<int>(QualityFactor.size())) {
        view_.quality = option;
    }
}

void EquipmentCard::ClearResults()
{
    for (auto& line : view_.results) {
        line.clear();
    }
}

void EquipmentCard::ChooseType(int type)
{
    if (type == view_.equipment || type < 0 || type >= static_cast<int>(EquipmentAttributes.size())) {
        return;
    }
    const EquipmentType& t = EquipmentAttributes[static_cast<std::size_t>(type)];
    view_.equipment = type;
    view_.levelCaption = Cat({t.name, "等级:"});
    view_.attributesCaption = Cat({t.name, "属性:"});
    view_.labels[0] = Cat({t.first.name, ":"});
    view_.values[0] = "0";
    view_.labels[1] = t.hasSecond() ? Cat({t.second.name, ":"}) : std::string("无");
    view_.secondLocked = !t.hasSecond();
    view_.values[1] = t.hasSecond() ? "0" : "";
    ClearResults();
    view_.quality = 0;
    view_.level = kDefaultLevel;
}

void EquipmentCard::ShowNotes()
{
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        view_.results[i] = kNotes[i];
    }
}

void EquipmentCard::Reset()
{
    view_.level = kDefaultLevel;
    view_.quality = 0;
    view_.values[0] = "0";
    view_.values[1] = view_.secondLocked ? "" : "0";
    ClearResults();
}

void EquipmentCard::Confirm()
{
    const EquipmentType& t = EquipmentAttributes[static_cast<std::size_t>(view_.equipment)];
    const bool two = t.hasSecond();
    // The fields take digits only, at most three; anything that still does not read as a number
    // (pasted text, say) is refused like an empty field rather than compared as 0.
    const auto v1 = ParseInt16(view_.values[0]);
    const auto v2 = two ? ParseInt16(view_.values[1]) : std::optional<std::int16_t>(0);
    if (!v1 || !v2) {
        view_.values[0] = "0";
        if (two) {
            view_.values[1] = "0";
        }
        view_.level = kDefaultLevel;
        ClearResults();
        view_.results[0] = "输入有误";
        return;
    }
    const QualityOption& q = QualityFactor[static_cast<std::size_t>(view_.quality)];
    const int level = ParseInt16(view_.level).value_or(10);
    const std::string l = FormatInt(level);
    const std::int16_t b1 = ComparisonBase(t.first, level, q.factor);
    const std::int16_t b2 = two ? ComparisonBase(t.second, level, q.factor) : std::int16_t{0};

    view_.results[0] = Cat({"你的 ", l, " 级", q.name, t.name, ":"});
    view_.results[1] = Cat({t.first.name, ":", view_.values[0]});
    view_.results[2] = Cat({l, " 级", q.name, t.name, "基础数值:"});
    view_.results[3] = Cat({t.first.name, ":", FormatInt(b1)});
    view_.results[4] = Cat({"你的", q.name, t.name, "比基础数值:"});
    view_.results[5] = Difference(t.first.name, *v1, b1);
    if (two) {
        view_.results[1] += Cat({" ", t.second.name, ":", view_.values[1]});
        view_.results[3] += Cat({" ", t.second.name, ":", FormatInt(b2)});
        view_.results[5] += Cat({" ", Difference(t.second.name, *v2, b2)});
    }
}

}  // namespace zicalc
