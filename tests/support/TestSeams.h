#pragma once
// Scripted seams: expected prompts with their answers, scripted modal
// windows, a fixed wall-clock second and a fresh program folder per test.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "building/Kivora.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "town/Game.h"

class TestSeams : public ui::Seams {
public:
    struct Expect {
        QString text;
        ui::Answer answer;
        std::function<void()> whileOpen;  // e.g. ticks that arrive while it waits
    };
    std::deque<Expect> prompts;
    std::vector<ui::Prompt> asked;
    // Modal windows: what the player does in them, by form name, in order.
    std::map<std::string, std::deque<std::function<void()>>> modal;
    std::map<std::string, std::function<void()>> modalDefault;
    std::vector<std::string> modalShown;
    int second = 0;
    bool endedNow = false;
    bool quitted = false;
    QTemporaryDir folder;

    void expect(const QString& text, ui::Answer a = ui::Answer::Ok, std::function<void()> w = {}) {
        prompts.push_back({text, a, std::move(w)});
    }

    // The n-th prompt shown (from 0; -1 the last): a failure, not a crash,
    // when there was none.
    ui::Prompt shown(int n = -1) const {
        const int i = n < 0 ? int(asked.size()) + n : n;
        if (i < 0 || i >= int(asked.size())) {
            ADD_FAILURE() << "prompt " << n << " was never shown (" << asked.size() << " shown)";
            return {};
        }
        return asked[size_t(i)];
    }

    ui::Answer ask(const ui::Prompt& prompt) override {
        asked.push_back(prompt);
        if (prompts.empty()) {
            ADD_FAILURE() << "unexpected prompt: " << prompt.text.toStdString();
            return ui::Answer::No;
        }
        Expect e = prompts.front();
        prompts.pop_front();
        EXPECT_EQ(e.text.toStdString(), prompt.text.toStdString());
        if (e.whileOpen) e.whileOpen();
        return e.answer;
    }
    std::unique_ptr<ui::View> createView(ui::Form&) override { return nullptr; }
    bool drawsViews() const override { return false; }
    void runModal(ui::Form& form, ui::View*) override {
        const std::string name = form.name();
        modalShown.push_back(name);
        auto& queue = modal[name];
        if (!queue.empty()) {
            auto action = queue.front();
            queue.pop_front();
            action();
        } else if (modalDefault.count(name)) {
            modalDefault[name]();
        } else {
            ADD_FAILURE() << "unscripted modal window: " << name;
            form.closeBox();
        }
    }
    ui::Timer::Driver* clockDriver() override { return nullptr; }
    int wallSecond() override { return second; }
    QString programFolder() override { return folder.path(); }
    QTemporaryDir data;  // the player's data folder
    QString dataFolder() override { return data.path(); }
    QTemporaryDir config;  // the player's configuration folder
    QString settingsFile() override { return config.filePath(QStringLiteral("rumie.conf")); }
    void endNow() override { endedNow = true; }
    void quit() override { quitted = true; }
};

// A fresh program on scripted seams, with the player's common moves.
class GameTest : public ::testing::Test {
protected:
    TestSeams seams;
    Program prog{seams};

    GameTest() {
        // The report is dismissed by a click on its first frame unless a test says otherwise.
        seams.modalDefault["Houkoku"] = [this] { prog.houkoku().frame1Click(); };
    }
    ~GameTest() override { EXPECT_TRUE(seams.prompts.empty()) << "prompts left unanswered"; }

    void act(const std::function<void()>& f) { prog.dispatch(f); }
    // Title screen, then "閉じる".
    void openFrame() {
        prog.startUp();
        act([&] { prog.start().command1Click(); });
    }
    // "始める", a name, "スタート".
    void newGame(const QString& name = QStringLiteral("田中")) {
        seams.modal["Namer"].push_back([this, name] {
            prog.namer().Text1 = name;
            prog.namer().command1Click();
        });
        act([&] { prog.main().fstaClick(); });
    }
    void startGame() {
        openFrame();
        newGame();
        seams.modalShown.clear();
    }
    // Timer events; a stopped or paused clock lets them pass by.
    void tick(int n = 1) {
        for (int i = 0; i < n && !prog.ended(); ++i) act([&] { prog.kivora().Timer1.fire(); });
    }
    QString money() const { return prog.main.peek()->Okane.text(); }
    QString date() {
        auto& k = prog.kivora();
        return k.Ye.text() + u'/' + k.Mon.text() + u'/' + k.We.text();
    }
};
