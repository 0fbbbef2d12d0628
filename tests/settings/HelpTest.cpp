#include "settings/Help1.h"
#include "support/TestSeams.h"

class HelpTest : public GameTest {
protected:
    void help(std::function<void(settings::Help1&)> inViewer) {
        seams.modal["Help1"].push_back([this, inViewer] { inViewer(prog.help1()); });
        act([&] { prog.main().fhelpClick(); });
    }
};

// The page is sent for at every opening, and the weeks go on while it is read.
TEST_F(HelpTest, OpensThePageOfTheProgramFolderAndLeavesTheClockAlone) {
    startGame();
    for (int opening = 0; opening < 2; ++opening) {
        help([this](settings::Help1& h) {
            EXPECT_EQ(h.caption, QStringLiteral("Form1"));
            EXPECT_TRUE(h.modal);
            EXPECT_EQ(h.Tesk.location, seams.folder.path() + QStringLiteral("/Help.html"));
            EXPECT_EQ(h.Tesk.navigations, 1);
            EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
            tick(102);
            h.closeBox();
        });
        EXPECT_FALSE(prog.help1.exists());
    }
    EXPECT_EQ(date(), QStringLiteral("1/4/3"));
    EXPECT_EQ(seams.modalShown, (std::vector<std::string>{"Help1", "Help1"}));
}

TEST_F(HelpTest, BeforeAnyGameTheClockStaysStopped) {
    openFrame();
    help([](settings::Help1& h) { h.closeBox(); });
    EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
}

// The browser takes the window less 800 twips across and 300 down, from its
// corner at 120, 120; never less than nothing.
TEST(HelpViewer, BrowserFollowsTheWindowAndNeverGoesNegative) {
    TestSeams seams;
    Program prog(seams);
    settings::Help1& h = prog.help1();
    EXPECT_EQ(h.Tesk.width, 10005);  // as laid out, before the first resize
    EXPECT_EQ(h.Tesk.height, 7725);
    const struct {
        int width, height, browserWidth, browserHeight;
    } cases[] = {
        {10185, 8595, 9385, 8295},  {11185, 9595, 10385, 9295}, {30000, 20000, 29200, 19700},
        {801, 301, 1, 1},           {800, 300, 0, 0},           {799, 299, 0, 0},
        {1200, 200, 400, 0},        {300, 900, 0, 600},         {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        h.Width = c.width;
        h.Height = c.height;
        h.formResize();
        EXPECT_EQ(h.Tesk.width, c.browserWidth) << c.width;
        EXPECT_EQ(h.Tesk.height, c.browserHeight) << c.height;
        EXPECT_EQ(h.Tesk.left, 120);
        EXPECT_EQ(h.Tesk.top, 120);
    }
}
