// The save file's bytes: the two text forms, the record order, the reader's
// field rules, and what a file must hold before the game takes it.
#include <gtest/gtest.h>

#include <QFile>

#include "state/Cp932.h"
#include "state/SaveFile.h"

using state::SaveGame;

namespace {

QByteArray golden() {
    QFile f(QStringLiteral(RUMIE_TEST_DATA "/state/data/new_game.teskdata"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// The game right after a new game, record by record.
SaveGame newGame(const QString& name = QStringLiteral("田中")) {
    SaveGame g;
    const char* figures[] = {"100", "1000", "0", "1", "100", "1", "0", "3", "10", "0"};
    for (int k = 0; k < state::kFigures; ++k) g.figures[k] = QString::fromLatin1(figures[k]);
    g.Ye1 = 1;
    g.Mon1 = 4;
    g.We1 = 1;
    g.Spe = 50;
    g.Last = ui::Variant::whole(10000);
    g.Player = ui::Variant::text(name);
    return g;
}

// A game in its third year: a tall building with tenants, two loans, a fast
// clock, money and Last with fractions, the rooftop picked.
SaveGame midGame() {
    SaveGame g = newGame(QStringLiteral(" 髙橋,\"～－\" 007"));
    g.figures = {QStringLiteral("1234.56"), QStringLiteral("5130"), QStringLiteral("2"),
                 QStringLiteral("1"),       QStringLiteral("100"),  QStringLiteral("3"),
                 QStringLiteral("0"),       QStringLiteral("48"),   QStringLiteral("120"),
                 QStringLiteral("4")};
    g.CK = 48;
    g.CF = QStringLiteral("屋上");
    g.Ye1 = 3;
    g.Mon1 = 11;
    g.We1 = 3;
    g.Spe = 20;
    g.Last = ui::Variant::real(123456.5);
    g.loans = {5, 6, 0, 0, 6, 1, 0, 0, 0, 0};
    g.floors[1] = 1;
    g.floors[2] = 2;
    g.floors[16] = 3;
    g.floors[47] = 3;
    return g;
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "the last line ends with CR LF too";
    for (QByteArray& l : lines) {
        EXPECT_TRUE(l.endsWith('\r'));
        l.chop(1);
    }
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& l : lines) out += l + "\r\n";
    return out;
}

// The golden file with one record replaced.
QByteArray withLine(int line, const QByteArray& text, QByteArray bytes = golden()) {
    QList<QByteArray> lines = linesOf(bytes);
    lines[line - 1] = text;
    return joinLines(lines);
}

}  // namespace

TEST(SaveFile, ANewGameWritesTheGoldenFile) {
    const std::optional<QByteArray> bytes = state::writeSave(newGame());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, golden());
    EXPECT_EQ(linesOf(*bytes).size(), state::kSaveRecords);
}

TEST(SaveFile, NumberFormHasItsSpacesSignAndNoLeadingZero) {
    const std::pair<double, const char*> rows[] = {
        {5, " 5 "},           {0, " 0 "},         {-0.0, " 0 "},
        {-3, "-3 "},          {0.5, " .5 "},      {-0.5, "-.5 "},
        {10705.5, " 10705.5 "}, {107.05, " 107.05 "}, {1.0 / 3, " .333333333333333 "},
        {123456789012345.0, " 123456789012345 "}, {1e15, " 1E+15 "}, {2.5e-7, " 2.5E-07 "},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(state::numberForm(value), QString::fromLatin1(text)) << value;
}

TEST(SaveFile, RecordsInTheirOrderAndForms) {
    const QList<QByteArray> lines = linesOf(*state::writeSave(midGame()));
    ASSERT_EQ(lines.size(), 128);
    EXPECT_EQ(lines[0], "1234.56");  // label texts as shown
    EXPECT_EQ(lines[7], "48");
    EXPECT_EQ(lines[10], " 48 ");  // CK
    EXPECT_EQ(lines[11], state::toCp932(QStringLiteral("屋上")));
    EXPECT_EQ(lines[12], " 3 ");
    EXPECT_EQ(lines[13], " 11 ");
    EXPECT_EQ(lines[14], " 3 ");
    EXPECT_EQ(lines[15], " 20 ");
    EXPECT_EQ(lines[16], " 123456.5 ");
    EXPECT_EQ(lines[17], " 5 ");
    EXPECT_EQ(lines[18], " 6 ");
    EXPECT_EQ(lines[21], " 6 ");
    EXPECT_EQ(lines[22], " 1 ");
    EXPECT_EQ(lines[27], state::toCp932(QStringLiteral(" 髙橋,\"～－\" 007")));
    EXPECT_EQ(lines[28], "0");   // floor 1
    EXPECT_EQ(lines[29], "1");   // floor 2
    EXPECT_EQ(lines[44], "3");   // floor 17
    EXPECT_EQ(lines[127], "0");  // floor 100
}

TEST(SaveFile, VariantsWriteByTheirKind) {
    SaveGame g = newGame();
    g.Player = ui::Variant::whole(7);  // a name a number once became
    g.Last = ui::Variant::real(0.25);
    QList<QByteArray> lines = linesOf(*state::writeSave(g));
    EXPECT_EQ(lines[27], " 7 ");
    EXPECT_EQ(lines[16], " .25 ");
    g.Player = ui::Variant();
    lines = linesOf(*state::writeSave(g));
    EXPECT_EQ(lines[27], "");
}

TEST(SaveFile, TheWriterKeepsEveryRecordOnOneLineAndRefusesWhatItCannotWrite) {
    SaveGame g = newGame(QStringLiteral("山\r\n田\n"));
    const QList<QByteArray> lines = linesOf(*state::writeSave(g));
    ASSERT_EQ(lines.size(), 128);
    EXPECT_EQ(lines[27], state::toCp932(QStringLiteral("山田")));

    g.Player = ui::Variant::text(QStringLiteral("😀"));
    EXPECT_FALSE(state::writeSave(g));
    g = newGame();
    g.Last = ui::Variant::real(std::numeric_limits<double>::infinity());
    EXPECT_FALSE(state::writeSave(g));
    g = newGame(QString(state::kLargestSave, u'a'));
    EXPECT_FALSE(state::writeSave(g));
}

TEST(SaveFile, WrittenGamesReadBackAsTheyWere) {
    for (const SaveGame& g : {newGame(), midGame()}) {
        const std::optional<SaveGame> back = state::readSave(*state::writeSave(g));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, g);
    }
    EXPECT_EQ(*state::readSave(golden()), newGame());
}

TEST(SaveFile, NamesAndTheFloorTagComeBackAsWholeLines) {
    const char16_t* names[] = {u"007",   u" 田中 ",  u"a,b",     u"\"quoted\" rest", u"～－髙",
                               u"",      u"  ",      u"1,2,3",   u"-3",              u"1e5",
                               u"\"",    u" 7",      u"7 ",      u"- 3 "};
    for (const char16_t* n : names) {
        const QString name = QString::fromUtf16(n);
        SaveGame g = newGame(name);
        g.CF = name;
        const std::optional<SaveGame> back = state::readSave(*state::writeSave(g));
        ASSERT_TRUE(back) << name.toStdString();
        EXPECT_EQ(back->Player, ui::Variant::text(name));
        EXPECT_EQ(back->CF, name);
    }
    // Lines in the number form give the number's text.
    const std::pair<const char*, const char*> forms[] = {{" 7 ", "7"}, {"-3 ", "-3"}, {" .5 ", "0.5"},
                                                         {" 1E+15 ", "1e+15"}};
    for (const auto& [line, text] : forms) {
        const std::optional<SaveGame> g = state::readSave(withLine(28, line, withLine(12, line)));
        ASSERT_TRUE(g) << line;
        EXPECT_EQ(g->Player, ui::Variant::text(QString::fromLatin1(text)));
        EXPECT_EQ(g->CF, QString::fromLatin1(text));
    }
}

TEST(SaveFile, FieldRulesOfTheReader) {
    const SaveGame plain = newGame();
    // Commas end fields as line ends do; spaces in front are skipped; quotes
    // hold a field; numbers may carry an exponent; halves go to the even neighbour.
    QByteArray commas = "100,1000,0,1,100,1,0,3,10,0, 0 \r\n\r\n 1 , 4 , 1 , 50 , 10000 ";
    for (int i = 0; i < 10; ++i) commas += ", 0 ";
    commas += "\r\n" + state::toCp932(QStringLiteral("田中")) + "\r\n";
    for (int i = 0; i < 100; ++i) commas += i ? ",0" : "0";
    EXPECT_EQ(state::readSave(commas + "\r\n"), plain);
    EXPECT_EQ(state::readSave(commas), plain) << "the last line end may be missing";

    QByteArray b = withLine(1, "\" 100\"");
    b = withLine(9, "  10.5", b);  // 10
    b = withLine(14, " 3.5 ", b);  // 4
    b = withLine(15, "\"1\"  ", b);
    b = withLine(17, " 1E+4 ", b);
    EXPECT_EQ(state::readSave(b), plain);

    // Other editors' line ends.
    QByteArray lf = golden();
    lf.replace("\r\n", "\n");
    EXPECT_EQ(state::readSave(lf), plain);
    QByteArray cr = golden();
    cr.replace("\r\n", "\r");
    EXPECT_EQ(state::readSave(cr), plain);

    // Lines after the 128th are never read.
    EXPECT_EQ(state::readSave(golden() + "129\r\n\xff\"junk"), plain);
}

TEST(SaveFile, ValuesTheGameCannotHoldAreRefusedAtTheirBounds) {
    struct Row {
        int line;
        const char* text;
        bool loads;
    };
    const Row rows[] = {
        {8, "0", false},     {8, "1", true},      {8, "100", true},   {8, "101", false},
        {8, "-3", false},    {14, " 0 ", false},  {14, " 1 ", true},  {14, " 12 ", true},
        {14, " 13 ", false}, {15, " 0 ", false},  {15, " 1 ", true},  {15, " 4 ", true},
        {15, " 5 ", false},  {13, " 0 ", false},  {13, " 1 ", true},  {13, " 32767 ", true},
        {13, " 32768 ", false}, {16, "-1 ", false}, {16, " 0 ", true}, {16, " 100 ", true},
        {16, " 101 ", true}, {16, " 2147483647 ", true},                 // a slower clock
        {11, " 101 ", true}, {11, " 255 ", true},  {11, " 256 ", false}, {19, " 12 ", true},
        {19, " 13 ", false}, {27, " 12 ", true},  {27, " 13 ", false}, {18, " 255 ", true},
        {18, " 256 ", false}, {18, "-1 ", false}, {30, "3", true},    {30, "4", false},
        {30, "-1", false},   {31, "1", true},     {29, "0", true},    {29, "3", true},    // the lobby
        {128, "3", true},    {128, "4", false},   {128, "256", false},  // above the roof
        {2, "2147483647", true}, {2, "2147483648", false}, {2, "-1", false},  {2, "0", true},
        // Counts: never below 0, a 32-bit whole at most.
        {9, "-1", false},    {9, "0", true},      {9, "2147483647", true}, {9, "2147483648", false},
        {6, "-1", false},    {6, "2147483647", true}, {6, "2147483648", false}, {3, "-1", false},
        {3, "2147483647", true}, {4, "-1", false}, {5, "-1", false}, {7, "-1", false}, {10, "-1", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(state::readSave(withLine(r.line, r.text)).has_value(), r.loads)
            << "line " << r.line << " holding '" << r.text << "'";

    // A later game may keep the tenants of floors it has not built again:
    // they load as they stand.
    QByteArray b = withLine(8, "3");
    for (int floor : {4, 50, 100}) b = withLine(28 + floor, QByteArray::number(floor % 3 + 1), b);
    const std::optional<SaveGame> g = state::readSave(b);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->floors[3], 2);
    EXPECT_EQ(g->floors[49], 3);
    EXPECT_EQ(g->floors[99], 2);
}

TEST(SaveFile, RecordsThatDoNotConvertAreRefused) {
    const QByteArray kanji = state::toCp932(QStringLiteral("百"));
    const QByteArray wideZero = state::toCp932(QStringLiteral("０"));
    const std::pair<int, QByteArray> rows[] = {
        {1, kanji},      {1, ""},        {1, "1e999"},      {1, "100yen"},     {2, "1000 p"},
        {2, ""},         {3, "0x10"},    {17, "abc"},       {17, ""},          {29, wideZero},
        {14, "\"4"},     {14, "\"4\"x"}, {28, "\x82"},      {28, "\x82\xff"}, {12, "\x85\x40"},
    };
    for (const auto& [line, text] : rows)
        EXPECT_FALSE(state::readSave(withLine(line, text)))
            << "line " << line << " holding '" << text.toHex().toStdString() << "'";
}

TEST(SaveFile, EveryCutOfAGoodFileFailsOrGivesTheWholeGame) {
    for (const QByteArray& file : {golden(), *state::writeSave(midGame())}) {
        const SaveGame whole = *state::readSave(file);
        for (qsizetype n = 0; n < file.size(); ++n) {
            const std::optional<SaveGame> g = state::readSave(file.left(n));
            if (g) {
                EXPECT_EQ(*g, whole) << "cut at " << n;
            }
            // Only the last record's line end may go.
            EXPECT_EQ(g.has_value(), n >= file.size() - 2) << "cut at " << n;
        }
    }
}

TEST(SaveFile, EveryChangedByteFailsOrGivesAGameTheRulesHold) {
    const QByteArray file = *state::writeSave(midGame());
    const char replacements[] = {'x', '9', '0', '-', ',', '"', ' ', '\r', '\n', '.', '\xff', '\x82'};
    for (qsizetype i = 0; i < file.size(); ++i) {
        for (char c : replacements) {
            QByteArray b = file;
            b[i] = c;
            const std::optional<SaveGame> g = state::readSave(b);
            if (!g) continue;
            // Whatever loads writes a file that gives the same game back.
            const std::optional<SaveGame> again = state::readSave(*state::writeSave(*g));
            ASSERT_TRUE(again) << "byte " << i << " as " << int(c);
            EXPECT_EQ(*again, *g) << "byte " << i << " as " << int(c);
        }
    }
}
