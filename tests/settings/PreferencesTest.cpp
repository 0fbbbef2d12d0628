#include <QFile>

#include "support/TestSeams.h"

// What the player set is there at the next start; what a hand or a broken
// disk made of the file reads as the default, and the game still starts.
TEST(Preferences, KeptBetweenRunsAndBrokenValuesReadAsTheirDefaults) {
    TestSeams seams;
    {
        Program first(seams);
        first.prefs.setTextStep(2);
        first.prefs.setHighContrast(true);
        first.prefs.setLanguage(QStringLiteral("en"));
        first.prefs.setGuideDone(true);
        first.prefs.setPlace(QStringLiteral("Suii"), QRect(10, 20, 300, 200));
    }
    Program again(seams);
    EXPECT_EQ(again.prefs.textStep(), 2);
    EXPECT_TRUE(again.prefs.highContrast());
    EXPECT_EQ(again.prefs.language(), u"en");
    EXPECT_TRUE(again.prefs.guideDone());
    EXPECT_EQ(again.prefs.place(QStringLiteral("Suii")), QRect(10, 20, 300, 200));

    const struct {
        const char* file;
    } broken[] = {
        {"[view]\ntextSize=-3\nhighContrast=maybe\nlanguage=fr\n[guide]\ndone=2\n[windows]\nSuii=1, 2, -5, 4\n"},
        {"[view]\ntextSize=3\nhighContrast=\nlanguage=\n[windows]\nSuii=a, b, c, d\n"},
        {"[view]\ntextSize=1.5\n[windows]\nSuii=1, 2, 3\n"},
        {"[view]\ntextSize=99999999999999999999\n[windows]\nSuii=-900000, 0, 300, 200\n"},
        {"[windows]\nSuii=10, 20, 300, 0\n"},
        {"[windows]\nSuii=10, 20, 0, 200\n"},
        {"[windows]\nSuii=10, -900000, 300, 200\n"},
        {"[windows]\nSuii=10, 900000, 300, 200\n"},
        {"[view]\nhighContrast=on\n"},
        {"\xff\xfe\x00garbage\x01[[[=\n"},
        {""},
    };
    for (const auto& b : broken) {
        SCOPED_TRACE(b.file);
        QFile f(seams.settingsFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b.file, qstrlen(b.file) ? qint64(qstrlen(b.file)) : 0);
        f.close();
        Program p(seams);
        EXPECT_EQ(p.prefs.textStep(), 0);
        EXPECT_FALSE(p.prefs.highContrast());
        EXPECT_EQ(p.prefs.highContrastChoice(), std::nullopt);  // the desktop's then holds
        EXPECT_EQ(p.prefs.language(), QString());
        EXPECT_FALSE(p.prefs.guideDone());
        EXPECT_EQ(p.prefs.place(QStringLiteral("Suii")), std::nullopt);
    }
}
