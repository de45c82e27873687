// Where a change of the classes goes: what a machine's part that may only be read turns into a
// question or a refusal, what is left out as unchanged, and which parts a change records.

#include <gtest/gtest.h>

#include <map>

#include "base/AsciiCase.h"
#include "registry/ClassesPlan.h"

namespace {

using D = PlanDecision::Kind;
constexpr Where M = Where::Machine, U = Where::User, B = Where::Both;

// Keys (and values, as "path|name") held as the test says, every value holding "same"; the
// machine's part takes writes only when writable.
class Parts : public PartsProbe {
public:
    Parts(std::map<std::string, Where> held, bool writable) : held_(held), writable_(writable) {}
    Where KeyIn(const std::string& path) override {
        for (const auto& [key, where] : held_)
            if (EqualIgnoringAsciiCase(key, path)) return where;
        return Where::Nowhere;
    }
    Where ValueIn(const std::string& path, const std::string& name) override {
        return KeyIn(path + "|" + name);
    }
    bool MachineTakes(const ClassesWrite&) override { return writable_; }
    bool HoldsText(const std::string&, const std::string&, const std::string& text) override {
        return text == "same";
    }

private:
    std::map<std::string, Where> held_;
    bool writable_;
};

TEST(ClassesPlan, ARefusedMachinePartAsksOrRefusesBeforeAnythingIsWritten) {
    const struct {
        ClassesPlan plan;
        std::map<std::string, Where> held;
        D kind;
        std::string subject;
    } cases[] = {
        {{SetText("txtfile", "", "x")}, {{"TXTFILE", M}}, D::AskForYouOnly, "txtfile"},
        {{SetText("Новый\\DefaultIcon", "", "x")}, {}, D::AskForYouOnly, "Новый"},
        {{SetText("txtfile", "", "x")}, {{"txtfile", U}}, D::Write, ""},
        {{DeleteTree("txtfile")}, {{"txtfile", M}}, D::RefuseDelete, "txtfile"},
        {{DeleteTree("txtfile")}, {{"txtfile", B}}, D::AskDeleteYours, "txtfile"},
        {{DeleteValue("t\\shell", "")}, {{"t", M}, {"t\\shell|", B}}, D::AskDeleteYours, "t"},
        {{MoveTree("txtfile", "text")}, {{"txtfile", M}}, D::RefuseRename, "txtfile"},
        // A refusal wins over a question before it; a key moved in the user's part stays theirs.
        {{SetText(".t", "", "x"), DeleteTree("t")}, {{".t", M}, {"t", M}}, D::RefuseDelete, "t"},
        {{MoveTree("mine", "new"), SetText("new\\a", "", "x")}, {{"mine", U}}, D::Write, ""},
    };
    for (const auto& c : cases) {
        Parts readOnly(c.held, false);
        const PlanDecision decision = DecidePlan(c.plan, readOnly);
        EXPECT_EQ(decision.kind, c.kind) << c.plan.back().path;
        EXPECT_EQ(decision.subject, c.subject) << c.plan.back().path;
        EXPECT_EQ(decision.subjectIsNew, c.held.empty()) << c.plan.back().path;
        Parts writable(c.held, true);
        EXPECT_EQ(DecidePlan(c.plan, writable).kind, D::Write);
    }
    EXPECT_EQ(DecisionText({D::AskForYouOnly, "txtfile", false}),
              "\"txtfile\" belongs to all users of this computer, and only an administrator can "
              "change it there. Make this change for you only?");
}

TEST(ClassesPlan, AChangeLeavesOutWhatItWouldNotChangeAndRecordsEachPartItWritesOnce) {
    const ClassesPlan plan = {SetText(".txt", "", "same"), MoveTree("Text", "Prose"),
                              SetText("prose", "", "same")};
    Parts readOnly({{".txt", M}, {"Text", B}}, false);
    const ClassesPlan needed = LeaveOutUnchanged(plan, readOnly);
    ASSERT_EQ(needed.size(), 2u) << "what a move touched is no longer as the probe says";
    EXPECT_EQ(PartsWritten(needed, readOnly, WriteMode::ForYouOnly),
              (std::vector<PartKey>{{Part::User, "Text"}, {Part::User, "Prose"}}));
    Parts writable({{".txt", M}, {"Text", B}}, true);
    EXPECT_EQ(LeaveOutUnchanged(plan, writable).size(), 3u);
}

}  // namespace
