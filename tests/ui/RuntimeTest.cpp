#include <gtest/gtest.h>

#include "support/TestSeams.h"
#include "ui/Controls.h"

using namespace ui;

TEST(Label, ChangeHandlerRunsOnlyOnARealChange) {
    Label l(QStringLiteral("0"));
    int runs = 0;
    l.onChange = [&] { ++runs; };
    l.setText(QStringLiteral("0"));
    EXPECT_EQ(runs, 0);
    l.setText(QStringLiteral("1"));
    l.setText(QStringLiteral("1"));
    EXPECT_EQ(runs, 1);
    l.setNumber(1.0);  // same text "1"
    EXPECT_EQ(runs, 1);
}

TEST(Label, NestedWritesRunAtOnceBeforeTheWriteReturns) {
    Label week(QStringLiteral("4"));
    std::vector<QString> seen;
    week.onChange = [&] {
        seen.push_back(week.text());
        if (week.text() == u"5") week.setText(QStringLiteral("1"));  // nested
        seen.push_back(QStringLiteral("end ") + week.text());
    };
    week.setText(QStringLiteral("5"));
    EXPECT_EQ(week.text(), QStringLiteral("1"));
    const std::vector<QString> expected = {u"5"_qs, u"1"_qs, u"end 1"_qs, u"end 1"_qs};
    EXPECT_EQ(seen, expected);
}

TEST(Label, AFailedConversionAbandonsOnlyThatHandlerAndKeepsWhatItWrote) {
    Label a(QStringLiteral("0")), b(QStringLiteral("0")), c(QStringLiteral("x"));
    a.onChange = [&] {
        b.setText(QStringLiteral("written"));
        c.number();  // not a number: abandons here
        b.setText(QStringLiteral("never"));
    };
    a.setText(QStringLiteral("1"));
    EXPECT_EQ(a.text(), QStringLiteral("1"));
    EXPECT_EQ(b.text(), QStringLiteral("written"));
}

TEST(Timer, FiresOnlyWhileRunning) {
    Timer t;
    int ticks = 0;
    t.onTick = [&] { ++ticks; };
    t.fire();
    t.setInterval(50);
    t.fire();
    t.setEnabled(false);
    t.fire();
    t.setEnabled(true);
    t.setInterval(0);
    t.fire();
    EXPECT_EQ(ticks, 1);
}

class LifetimeTest : public GameTest {};

TEST_F(LifetimeTest, FormIsCreatedOnFirstUseAndAfreshAfterUnload) {
    EXPECT_FALSE(prog.start.exists());
    prog.start().Label1.setText(QStringLiteral("changed"));
    act([&] { prog.start.unload(); });
    EXPECT_FALSE(prog.start.exists());
    EXPECT_EQ(prog.start().Label1.text(), QStringLiteral("ルーミエ"));
}

TEST_F(LifetimeTest, AChildWindowCreatesTheFrameFirstAndItsLoadRuns) {
    EXPECT_FALSE(prog.main.exists());
    prog.game();
    EXPECT_TRUE(prog.main.exists());
    EXPECT_EQ(prog.state.Spe, 50);  // the frame's load ran
    EXPECT_TRUE(prog.kivora.exists());
    EXPECT_FALSE(prog.kivora().visible);
}

// A frame whose load already uses the child that created it: the child must
// come into being once, not twice with the first copy thrown away.
TEST(Lifetime, AFrameWhoseLoadUsesTheChildCreatesThatChildOnce) {
    TestSeams seams;
    ui::Runtime rt(seams);
    struct Plain : ui::Form {
        Plain(ui::Runtime& rt, const char* n) : ui::Form(rt), n(n) {}
        const char* name() const override { return n; }
        void load() override { if (onLoad) onLoad(); }
        std::function<void()> onLoad;
        const char* n;
    };
    int made = 0;
    ui::Holder<Plain>* child = nullptr;
    ui::Holder<Plain> frame(rt, [&] {
        auto f = std::make_unique<Plain>(rt, "Frame");
        f->onLoad = [&] { (*child)(); };
        return f;
    });
    ui::Holder<Plain> kid(rt, [&] { ++made; return std::make_unique<Plain>(rt, "Child"); }, &frame);
    child = &kid;
    Plain& first = kid();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(&first, kid.peek());
}

TEST_F(LifetimeTest, AnEndedProgramRunsNothingMore) {
    int after = 0;
    act([&] {
        act([&] { prog.endNow(); });
        ++after;  // unwound: never reached
    });
    act([&] { ++after; });
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(after, 0);
}
