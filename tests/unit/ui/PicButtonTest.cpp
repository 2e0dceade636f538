#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <tuple>

#include "core/ui/PicButton.h"

namespace quill::ui {
namespace {

// Buttons of 480 by 480 twips over 128 by 32 strips, counting the paintings of each face.
struct ButtonSet {
    CPicButton set;
    std::deque<PictureArea> areas;
    std::deque<Control> blinds;
    std::vector<int> paints;

    int Add(const std::string& tip = "") {
        const int index = static_cast<int>(areas.size());
        auto& area = areas.emplace_back("pbut1");
        area.Resize(480, 480);
        area.SetPicture("buttons\\pbut" + std::to_string(index + 1) + ".bmp");
        paints.push_back(0);
        area.SetListener([this, index](Control&, Prop p) {
            if (p == Prop::Picture) ++paints[static_cast<std::size_t>(index)];
        });
        return set.Add(area, blinds.emplace_back("BlindButton"), tip);
    }
    PictureArea& Area(int num) { return areas[static_cast<std::size_t>(num - 1)]; }
    int Paints(int num) const { return paints[static_cast<std::size_t>(num - 1)]; }
};

// Brings button 1 into a state; for states 0 to 3 it has taken a click first, so it is the
// pressed button that MouseUp works on.
void Reach(ButtonSet& s, int state) {
    if (state == -1) return;
    s.set.MouseDown(1);
    s.set.MouseUp(0, 0);
    if (state == 0) s.set.Enable(1);
    if (state == 2) s.set.MouseDown(1);
    if (state == 3) s.set.Disable(1);
}

TEST(PicButton, StateTransitions) {
    struct Row {
        const char* op;
        std::function<bool(CPicButton&)> run;  // the operation's result, false when it has none
        std::array<int, 5> to;                 // for states -1, 0, 1, 2, 3
        std::array<bool, 5> result;
        std::array<bool, 5> repaint;
    };
    const std::vector<Row> rows = {
        {"FocusOn", [](CPicButton& b) { return b.FocusOn(1); },
         {1, 1, 1, 2, 1}, {1, 1, 0, 0, 1}, {1, 1, 0, 0, 1}},
        {"FocusOff", [](CPicButton& b) { return b.FocusOff(); },
         {-1, 0, 0, 2, 3}, {0, 0, 1, 0, 0}, {0, 0, 1, 0, 0}},
        {"MouseDown", [](CPicButton& b) { b.MouseDown(1); return false; },
         {2, 2, 2, 2, 3}, {0, 0, 0, 0, 0}, {1, 1, 1, 0, 0}},
        {"MouseUp inside", [](CPicButton& b) { return b.MouseUp(480, 480); },
         {-1, 0, 1, 1, 3}, {0, 0, 0, 1, 0}, {0, 0, 0, 1, 0}},
        {"MouseUp outside", [](CPicButton& b) { return b.MouseUp(-1, 0); },
         {-1, 0, 1, 0, 3}, {0, 0, 0, 0, 0}, {0, 0, 0, 1, 0}},
        {"Disable", [](CPicButton& b) { b.Disable(1); return false; },
         {3, 3, 3, 3, 3}, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 0}},
        {"Enable", [](CPicButton& b) { b.Enable(1); return false; },
         {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 0, 1, 1, 1}},
        {"SetStatus", [](CPicButton& b) { b.SetStatus(1, 0); return false; },
         {-1, 0, 1, 2, 3}, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1}},
    };
    for (const Row& row : rows) {
        for (int from = -1; from <= 3; ++from) {
            SCOPED_TRACE(std::string(row.op) + " from " + std::to_string(from));
            const auto i = static_cast<std::size_t>(from + 1);
            ButtonSet s;
            s.Add("tip");
            Reach(s, from);
            ASSERT_EQ(s.set.State(1), from);
            const int before = s.Paints(1);

            EXPECT_EQ(row.run(s.set), row.result[i]);
            EXPECT_EQ(s.set.State(1), row.to[i]);
            EXPECT_EQ(s.Paints(1) > before, row.repaint[i]);
            EXPECT_EQ(s.Area(1).Painted(), row.to[i] < 0 ? std::nullopt
                                                         : std::optional(PictureArea::Painting{
                                                               "buttons\\pbut1.bmp", {32 * row.to[i], 0, 32, 32}}));
            const std::string op = row.op;
            const bool enabled = op == "Enable" || (op != "Disable" && from != 3);
            EXPECT_EQ(s.Area(1).Enabled(), enabled);
            EXPECT_EQ(s.blinds[0].Enabled(), enabled);
        }
    }
}

TEST(PicButton, BlindCaption) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Fourteen chars", "Fourteen chars"},        // 14: whole
        {"Fifteen chars!!", "Fifteen"},              // 15 with a blank: first word
        {"Fifteencharacters", "Fifteencharacters"},  // no blank: whole
        {" Leading blank here", ""},
        {"Skype\xE2\x84\xA2 events!", "Skype\xE2\x84\xA2 events!"},  // 14 characters, 16 bytes
        {"", ""},
    };
    for (const auto& [tip, caption] : cases) EXPECT_EQ(BlindCaption(tip), caption) << tip;
}

TEST(PicButton, StatusPicksToolTipVariantAndImageGroup) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"Play|Pause", 1, "Pause"},
        {"Play,Pause", 1, "Pause"},
        {"Play|Pause,now", 1, "Pause,now"},  // "|" wins over ","
        {"a||c", 1, ""},                      // empty pieces count
        {"Play|Pause", 2, "Play|Pause"},      // past the end: the tip stays
        {"Play|Pause", -1, "Play|Pause"},
    };
    for (const auto& [tip, status, shown] : cases) {
        ButtonSet s;
        s.Add(tip);
        s.set.Enable(1);
        s.set.SetStatus(1, status);
        EXPECT_EQ(s.Area(1).ToolTipText(), shown) << tip << " " << status;
        EXPECT_EQ(s.set.Status(1), status);
        // Group n is slice 4n; a negative one leaves no slice of the strip.
        const auto painted = s.Area(1).Painted();
        EXPECT_EQ(painted ? std::optional(painted->source) : std::nullopt,
                  status < 0 ? std::nullopt : std::optional(StripSlice{128 * status, 0, 32, 32}));
    }
    EXPECT_EQ(SliceFor(2, 1, 600, 300), (StripSlice{240, 0, 40, 20}));
    EXPECT_EQ(SliceFor(0, 1 << 30, 480, 480), std::nullopt);
}

// The table above works on one button; these need several.
TEST(PicButton, TheHighlightMovesAndOnly32ButtonsAreHeld) {
    ButtonSet s;
    for (int i = 1; i <= 32; ++i) s.Add();
    EXPECT_TRUE(s.set.FocusOn(1));
    EXPECT_TRUE(s.set.FocusOn(32));
    EXPECT_EQ(s.set.State(1), 0);
    s.set.MouseDown(3);
    EXPECT_EQ(s.set.Pressed(), 3);

    EXPECT_EQ(s.Add("extra tip"), 33);
    EXPECT_EQ(s.Area(33).ToolTipText(), "");
    EXPECT_EQ(s.blinds[32].Caption(), "");
    for (int num : {0, 33, -5}) {
        s.set.Disable(num);
        s.set.MouseDown(num);
        EXPECT_FALSE(s.set.FocusOn(num));
        EXPECT_EQ(s.set.State(num), 0);
        EXPECT_EQ(s.set.Status(num), 0);
    }
    EXPECT_EQ(s.Paints(33), 0);
    EXPECT_TRUE(s.set.MouseUp(10, 10)) << "button 3 is still the pressed one";
}

}  // namespace
}  // namespace quill::ui
