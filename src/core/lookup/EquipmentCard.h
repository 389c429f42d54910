#pragma once

#include <array>
#include <string>

namespace zicalc {

// What the crafted-equipment window shows, control by control, as it shows it.
struct EquipmentCardView final {
    int equipment = 0;                   // CurrentEquipment: the value table shown (Picture1(k))
    std::string levelCaption;            // Label1(0), "武器等级:"
    std::string attributesCaption;       // Label1(1), "武器属性:"
    std::array<std::string, 2> labels;   // Label2(0), Label2(1) ("无" when there is no second one)
    std::array<std::string, 2> values;   // Text1(0), Text1(1)
    bool secondLocked = false;           // Text1(1) read-only (衣服, 项链)
    std::string level;                   // Combo1
    int quality = 0;                     // the selected Option1(i)
    std::array<std::string, 6> results;  // Label3(0) … Label3(5)
};

// The crafted-equipment window's state and its handlers. The window copies what the user typed or
// chose into the model (SetValue, SetLevel, SetQuality) and renders view() after every handler.
class EquipmentCard final {
public:
    EquipmentCard();

    const EquipmentCardView& view() const { return view_; }

    void SetValue(int field, std::string text);
    void SetLevel(std::string text);
    void SetQuality(int option);

    // Button1(0) … Button1(5): shows another type and starts it afresh; the type shown: nothing.
    void ChooseType(int type);
    // Button1(6) "说明": the six note lines, inputs kept.
    void ShowNotes();
    // Button2(1) "重设".
    void Reset();
    // Button2(0) "确定": the player's values against the base values of level and quality.
    void Confirm();

private:
    void ClearResults();

    EquipmentCardView view_;
};

}  // namespace zicalc
