#include <gtest/gtest.h>

#include <stdexcept>

#include "core/app/Outcome.h"

using namespace zicalc;

namespace {

// Updates land before or after the warning in the order they were made, one entry per control
// and phase; Final() is what the control shows once all of it is applied.
TEST(Outcome, RecordsEachUpdateOnItsSideOfTheWarning)
{
    Outcome out;
    out.Colour("Text1(2)", colours::kBlack).Text("Label24", "(X1项)").Visible("Label24", false);
    out.Warn("等级1不能大于等级2！");
    out.Text("Text1(2)", "0").Colour("Text1(2)", colours::kRed);

    ASSERT_EQ(out.before().size(), 2u);
    EXPECT_EQ(out.before()[0].control, "Text1(2)");
    EXPECT_EQ(out.before()[0].colour, colours::kBlack);
    EXPECT_FALSE(out.before()[0].text);
    EXPECT_EQ(out.before()[1].control, "Label24");
    EXPECT_EQ(out.before()[1].visible, false);
    ASSERT_EQ(out.after().size(), 1u);
    EXPECT_EQ(out.after()[0].text, "0");

    const ControlUpdate final = out.Final("Text1(2)");
    EXPECT_EQ(final.text, "0");
    EXPECT_EQ(final.colour, colours::kRed);
    EXPECT_FALSE(out.Final("Text9(9)").text);
}

TEST(Outcome, ThenAppendsInTheCurrentPhaseAndOneWarningOnly)
{
    Outcome reset;
    reset.Text("Text12", "0").Checked("Check2", false);
    Outcome out;
    out.Warn("待输入项不能为空！");
    out.Then(reset);
    EXPECT_TRUE(out.before().empty());
    ASSERT_EQ(out.after().size(), 2u);
    EXPECT_EQ(out.after()[1].checked, false);

    EXPECT_THROW(out.Warn("again"), std::logic_error);
    EXPECT_THROW(reset.Then(out), std::logic_error);
}

}  // namespace
