// The help page tells the player the game's own figures: every figure on it
// is marked with the rule it comes from and checked against the game, so a
// rule changed without the page fails here.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeySequence>
#include <QRegularExpression>
#include <map>

#include "building/Kakudai.h"
#include "building/Tenants.h"
#include "finance/Bank.h"
#include "finance/LoanTerms.h"
#include "settings/SetS.h"
#include "sim/Accounts.h"
#include "support/TestSeams.h"
#include "town/Ladders.h"
#include "ui/qt/Language.h"

namespace {

// The game's own page and the English one beside it: the same marks, the
// same checks.
const char* const kPages[] = {"Help.html", "Help.en.html"};

QString page(const char* name = "Help.html") {
    QFile f(QStringLiteral(RUMIE_BIN_DIR "/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

QString body(const QString& html) {
    const qsizetype from = html.indexOf(QStringLiteral("<body"));
    const qsizetype to = html.indexOf(QStringLiteral("</body>"));
    return from < 0 || to < from ? QString() : html.mid(from, to - from);
}

// An element carrying data-rule="key [key…]" and nothing but the figure.
const QRegularExpression kMarked(QStringLiteral(R"re(<(\w+)\b[^>]*\bdata-rule="([^"]*)"[^>]*>([^<]*)</\1>)re"));

struct Figure {
    QStringList keys;
    QString text;
    double value() const {
        QString t = text;
        return ui::strictNumber(t.remove(u','));
    }
};

QList<Figure> figures(const QString& html) {
    QList<Figure> out;
    for (auto it = kMarked.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.push_back({m.captured(2).split(u' ', Qt::SkipEmptyParts), m.captured(3).trimmed()});
    }
    return out;
}

// The rows of the page's tables that carry a figure of `prefix` ("grade.3.").
QStringList rowsWith(const QString& html, const QString& prefix) {
    QStringList out;
    for (QString row : html.split(QStringLiteral("<tr")).mid(1)) {
        const qsizetype end = row.indexOf(QStringLiteral("</tr>"));  // the text after a table is no row
        if (end >= 0) row.truncate(end);
        if (row.contains(QStringLiteral("data-rule=\"") + prefix)) out << row;
    }
    return out;
}

}  // namespace

class HelpPageTest : public GameTest {
protected:
    std::map<QString, double> expected;

    // What the game itself says, measured where the game keeps no table.
    void measure() {
        startGame();
        auto& k = prog.kivora();
        auto& g = prog.game();
        expected["start.year"] = k.Ye.number();
        expected["start.month"] = k.Mon.number();
        expected["start.week"] = k.We.number();
        expected["start.money"] = prog.main().Okane.number() / 100;  // 億円
        expected["start.floors"] = g.Kaisu.number();
        expected["start.employees"] = g.Zyuugyou.number();

        seams.modal["SetS"].push_back([&] {
            settings::SetS& s = prog.setS();
            expected["speed.start"] = s.Speed.number();
            for (int v = s.Slider1.minimum(); v <= s.Slider1.maximum(); ++v) {
                s.Slider1.setValue(v);
                expected["speed." + QString::number(v)] = s.Speed.number();
            }
            s.command2Click();
        });
        act([&] { prog.main().command7Click(); });

        seams.modal["Kakudai"].push_back([&] {
            building::Kakudai& w = prog.kakudai();
            const double one = w.Hiyou.number();
            w.command1Click();
            EXPECT_EQ(w.Hiyou.number() - one, one) << "every floor costs the same";
            expected["ext.price"] = one;
            for (int i = 0; i < 200; ++i) w.command1Click();
            expected["ext.max"] = w.Zou.number();
            w.command4Click();
        });
        act([&] { prog.main().command9Click(); });

        auto population = [&](int employees, int buildings, int blocks) {
            g.Zyuugyou.setNumber(employees);
            g.CBuil.setNumber(buildings);
            g.Apart.setNumber(blocks);
            g.Change();
            return g.Pop.number();
        };
        expected["pop.employee"] = population(1, 0, 0);
        expected["pop.building"] = population(0, 1, 0);
        expected["pop.apartment"] = population(0, 0, 1);

        for (int code = 1; code <= 9; ++code) {
            const building::TenantKind* t = building::tenantByCode(code);
            if (!t) continue;
            const QString key = "tenant." + QString::number(code) + '.';
            expected[key + "price"] = ui::strictNumber(building::priceText(*t));
            expected[key + "cost"] = t->cost / 100.0;  // millions of yen to 億円
            expected[key + "employees"] = t->employees;
            expected[key + "rent"] = t->rent;
        }
        auto ladder = [&](const auto& steps, const QString& name) {
            double from = 0;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const QString key = name + '.' + QString::number(i + 1) + '.';
                expected[key + "from"] = from;
                if (steps[i].upTo != town::kNoLimit) expected[key + "upTo"] = steps[i].upTo;
                from = steps[i].upTo + 1;
            }
        };
        ladder(town::kGrades, QStringLiteral("grade"));
        ladder(town::kRanks, QStringLiteral("rank"));

        expected["accounts.base"] = sim::kBaseIncome;
        expected["accounts.salary"] = sim::kSalary;
        expected["accounts.upkeep"] = sim::kUpkeep;
        expected["example.income"] = sim::kBaseIncome;
        expected["example.salaries"] = expected["start.employees"] * sim::kSalary;
        expected["example.upkeep"] = expected["start.floors"] * sim::kUpkeep;
        expected["example.result"] =
            expected["example.income"] - expected["example.salaries"] - expected["example.upkeep"];
        expected["example.extensionCharge"] = expected["ext.price"] * 100 * sim::kConstruction;

        expected["loan.windows"] = finance::kLoanWindows;
        expected["loan.credit"] = finance::kLoanCredit / 100.0;
        expected["loan.repayment"] = finance::kLoanRepayment / 100.0;
        expected["loan.years"] = finance::kLoanYears;
        expected["first.afterLoan"] = expected["start.money"] + expected["loan.credit"];
        measureJanuaryLoan();
    }

    // A loan taken in January: what the bank says and when the money goes.
    void measureJanuaryLoan() {
        auto& k = prog.kivora();
        act([&] { k.Mon.setText(QStringLiteral("12")); });
        for (int i = 0; i < 500 && k.Mon.text() != u"1"; ++i) tick();
        expected["loan.example.year"] = k.Ye.number();
        expected["loan.example.month"] = k.Mon.number();
        seams.modal["Bank"].push_back([&] {
            seams.expect(QStringLiteral("融資3億円受けますか？返済は3年後に4.5億円です"), ui::Answer::Yes);
            act([&] { prog.bank().windowClick(1); });
            const QStringList due = prog.bank().as1.text().split(QRegularExpression(QStringLiteral("\\D+")),
                                                                 Qt::SkipEmptyParts);
            EXPECT_EQ(due.size(), 2);
            expected["loan.example.dueYear"] = due.value(0).toDouble();
            expected["loan.example.dueMonth"] = due.value(1).toDouble();
            act([&] { prog.bank().command6Click(); });
        });
        act([&] { prog.main().command8Click(); });
        seams.expect(QStringLiteral("窓口1の融資返済です"));
        for (int i = 0; i < 40 * 410 && prog.state.M1mo != 0; ++i) tick();
        // The date the player sees once that month end is over.
        expected["loan.example.paidYear"] = k.Ye.number();
        expected["loan.example.paidMonth"] = k.Mon.number();
    }
};

TEST_F(HelpPageTest, EveryMarkedFigureIsTheGamesOwnAndEveryRuleIsThere) {
    measure();
    double defeat = -1;
    for (const char* name : kPages) {
        SCOPED_TRACE(name);
        const QString html = page(name);
        ASSERT_FALSE(html.isEmpty()) << "not beside the program";
        const QList<Figure> marked = figures(body(html));
        std::map<QString, int> seen;
        for (const Figure& f : marked) {
            for (const QString& key : f.keys) {
                SCOPED_TRACE(key.toStdString() + " = " + f.text.toStdString());
                ++seen[key];
                if (key == u"money.defeat") {
                    EXPECT_TRUE(defeat < 0 || defeat == f.value()) << "the pages disagree";
                    defeat = f.value();
                    continue;
                }
                auto it = expected.find(key);
                ASSERT_TRUE(it != expected.end()) << "a figure of no rule the game knows";
                EXPECT_EQ(f.value(), it->second);
            }
        }
        for (const auto& [key, value] : expected) EXPECT_TRUE(seen.count(key)) << "missing: " << key.toStdString();
    }

    // The defeat line, in 万円: the money at it keeps the game, a little less ends it.
    ASSERT_GT(defeat, 0) << "the page does not say when the game is lost";
    act([&] { prog.main().Okane.setNumber(defeat / 100); });
    EXPECT_FALSE(prog.ended());
    seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"));
    act([&] { prog.main().Okane.setNumber(defeat / 100 - 0.01); });
    EXPECT_TRUE(prog.ended());
}

// Each page names things in its own language, with the words the windows use.
TEST(HelpPage, EachTableRowNamesWhatItsFiguresBelongTo) {
    for (const auto language : {ui::qt::Language::Japanese, ui::qt::Language::English}) {
        ui::qt::useLanguage(*QCoreApplication::instance(), language);
        const char* file = kPages[language == ui::qt::Language::English];
        SCOPED_TRACE(file);
        const QString html = body(page(file));
        ASSERT_FALSE(html.isEmpty());
        const auto word = [](const char16_t* w) { return ui::qt::shown(QString::fromUtf16(w)); };
        auto rowsOf = [&](const auto& steps, const QString& name) {
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const QStringList rows = rowsWith(html, name + '.' + QString::number(i + 1) + '.');
                ASSERT_EQ(rows.size(), 1) << name.toStdString() << ' ' << i + 1;
                EXPECT_TRUE(rows[0].contains(u'>' + word(steps[i].word) + u'<')) << i + 1;
            }
            EXPECT_TRUE(rowsWith(html, name + '.' + QString::number(steps.size() + 1) + '.').isEmpty());
        };
        rowsOf(town::kGrades, QStringLiteral("grade"));
        rowsOf(town::kRanks, QStringLiteral("rank"));
        for (int code = 1; code <= 9; ++code) {
            const building::TenantKind* t = building::tenantByCode(code);
            if (!t) continue;
            const QStringList rows = rowsWith(html, "tenant." + QString::number(code) + '.');
            ASSERT_EQ(rows.size(), 1) << code;
            EXPECT_TRUE(rows[0].contains(u'>' + word(t->name) + u'<'));
            // with the floor's own picture as the game shows it in the page's language
            const QString picture = QStringLiteral(RUMIE_BIN_DIR "/") + QString::fromUtf16(t->picture).mid(1);
            EXPECT_TRUE(rows[0].contains(u'"' + QFileInfo(ui::qt::inPlayersLanguage(picture)).fileName() + u'"'));
        }
        // Every picture the page shows lies beside it, the English page's in
        // English, drawn at half its size or more: its sign stays readable.
        static const QRegularExpression img(QStringLiteral(R"re(<img\b[^>]*\bsrc="([^"]*)"[^>]*>)re"));
        static const QRegularExpression width(QStringLiteral(R"re(\bwidth="(\d+)")re"));
        for (auto it = img.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            const QString src = m.captured(1);
            const QImage picture(QStringLiteral(RUMIE_BIN_DIR "/") + src);
            EXPECT_FALSE(picture.isNull()) << src.toStdString();
            EXPECT_EQ(src.contains(QStringLiteral(".en.")), language == ui::qt::Language::English) << src.toStdString();
            const auto w = width.match(m.captured(0));
            EXPECT_GE(w.hasMatch() ? w.captured(1).toInt() : picture.width(), picture.width() / 2) << src.toStdString();
        }
    }
    ui::qt::useLanguage(*QCoreApplication::instance(), ui::qt::Language::Japanese);
}

// A figure written without its mark would escape the checks above. The names
// of keys (F6, Ctrl+F4) are no figures; a <kbd> that names no key is.
TEST(HelpPage, NoFigureGoesUnmarked) {
    for (const char* name : kPages) {
        QString text = body(page(name));
        ASSERT_FALSE(text.isEmpty()) << name;
        text.remove(kMarked);
        // The English units of 億円 and 万円 are words, not figures.
        text.remove(QStringLiteral("¥100M"));
        text.remove(QStringLiteral("¥10k"));
        // Key names (F6, Ctrl+F4) are no figures either.
        const QRegularExpression kbd(QStringLiteral("<kbd>([^<]*)</kbd>"));
        for (auto it = kbd.globalMatch(text); it.hasNext();) {
            const auto k = it.next();
            const QKeySequence key(k.captured(1), QKeySequence::PortableText);
            if (!key.isEmpty() && key.toString(QKeySequence::PortableText) == k.captured(1))
                text.replace(k.captured(0), QString());
        }
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        text.remove(QRegularExpression(QStringLiteral("&[#\\w]+;")));
        const QRegularExpression digit(QStringLiteral("[0-9０-９].{0,20}"));
        const auto m = digit.match(text);
        EXPECT_FALSE(m.hasMatch()) << name << ": unmarked figure: " << m.captured(0).toStdString();
    }
}
