#include <QDir>
#include <QFile>
#include <QSettings>

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
        // Written again, the file holds only what the game knows.
        p.prefs.setTextStep(1);
        EXPECT_EQ(QSettings(seams.settingsFile(), QSettings::IniFormat).allKeys(), QStringList{"view/textSize"});
    }
}

// The file is written only for a change; one that cannot be written keeps
// the settings for the run and says so once.
TEST(Preferences, WrittenOnlyForAChangeAndKeptForTheRunWhereTheFileCannotBe) {
    TestSeams seams;
    const QString file = seams.settingsFile();
    {
        Program p(seams);
        p.prefs.setPlace(QStringLiteral("Houkoku"), QRect(5, 5, 200, 100));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("[mine]\nnote=by hand\n");
        f.close();
        p.prefs.setPlace(QStringLiteral("Houkoku"), QRect(5, 5, 200, 100));  // the report shown where it was
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains("note=by hand")) << "written again";
    }
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));  // a folder in its place
    Program p(seams);
    seams.expect(QStringLiteral("設定を保存できませんでした。この回の設定は次には残りません。"), ui::Answer::Ok);
    p.prefs.setGuideDone(true);
    p.prefs.setTextStep(2);
    EXPECT_TRUE(p.prefs.guideDone()) << "the guide closed stays closed for the run";
    EXPECT_EQ(p.prefs.textStep(), 2);
    EXPECT_TRUE(seams.prompts.empty());
}
