#pragma once
// Form lifetime, event dispatch and the seams: the only places where a test
// differs from play.
#include <QRect>
#include <QString>
#include <optional>
#include <functional>
#include <memory>
#include <vector>

#include "ui/Controls.h"

namespace ui {

class Form;
class Runtime;

// What a view must do for the runtime; the Qt side implements it.
class View {
public:
    virtual ~View() = default;
    virtual void showView() = 0;  // show (and bring forward)
    virtual void hideView() = 0;  // hide; a modal view ends its wait
    virtual void refresh() = 0;   // redraw the form's controls
};

struct Prompt {
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Warning, Question };
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
};
enum class Answer { Ok, Yes, No };

class Seams {
public:
    virtual ~Seams() = default;
    virtual Answer ask(const Prompt& prompt) = 0;
    virtual std::unique_ptr<View> createView(Form& form) = 0;  // may be null
    // False when no form is ever drawn (tests, benchmarks): no redrawing.
    virtual bool drawsViews() const { return true; }
    // False where the month end keeps no automatic save (the engine's benchmark).
    virtual bool autoSaves() const { return true; }
    // Waits until the form is hidden or unloaded (play: the dialog's own loop).
    virtual void runModal(Form& form, View* view) = 0;
    virtual Timer::Driver* clockDriver() = 0;
    virtual int wallSecond() = 0;  // 0..59
    // The game's own files (pictures, help page) and the save of a copy that
    // is not installed: beside the program, or an installed copy's data.
    virtual QString programFolder() = 0;
    // The player's own folder for the game, for what cannot be kept in a
    // program folder that is not writable (an installed copy); may be empty.
    virtual QString dataFolder() { return {}; }
    // The file of the player's settings (text size, contrast, language, the
    // windows' places); empty keeps them for this run only.
    virtual QString settingsFile() { return {}; }
    virtual void endNow() = 0;  // play: the process ends here
    virtual void quit() = 0;    // every window is gone: the program ends normally
};

// Unwinds every running handler after the program was ended at once (tests).
struct ProgramEnded {};

class Form {
public:
    explicit Form(Runtime& rt) : rt(rt) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    virtual const char* name() const = 0;
    virtual void load() {}
    // Asked before unloading; false cancels (the frame's exit question).
    virtual bool queryUnload() { return true; }
    virtual void unloadHandler() {}
    // The window's close box; by default it unloads the window.
    virtual void closeBox();
    virtual void gotFocus() {}
    // A window that only reads the game brings its controls up to it here;
    // the runtime calls it after every event, drawn or not.
    virtual void follow() {}

    QString caption;
    bool visible = false;
    bool modal = false;

protected:
    Runtime& rt;
    friend class HolderBase;
    class HolderBase* holder_ = nullptr;
    void unloadMe();
    void hideMe();
};

class HolderBase {
public:
    HolderBase(Runtime& rt, HolderBase* parent);
    virtual ~HolderBase();
    bool exists() const { return form_ != nullptr; }
    Form* form() const { return form_.get(); }
    View* view() const { return view_.get(); }
    void show();       // modeless; also gives it the focus
    void showModal();  // returns once the window is hidden or unloaded
    void hide();
    bool unload();     // false when the window refused (its query said no)
    void refresh() { if (view_) view_->refresh(); }
    void follow();
    // A new view for the same form, shown where the old one was shown: the
    // views' look changed (the text size), the window did not. No handler
    // runs; a modal window waiting for its player is waited for in its new view.
    void redraw();

protected:
    Form& ensure();
    virtual std::unique_ptr<Form> make() = 0;

private:
    void ensureView();
    Runtime& rt_;
    HolderBase* parent_;  // the frame, for its child windows
    std::unique_ptr<Form> form_;
    std::unique_ptr<View> view_;
    std::vector<HolderBase*> children_;
};

template <typename T>
class Holder : public HolderBase {
public:
    using Factory = std::function<std::unique_ptr<T>()>;
    Holder(Runtime& rt, Factory f, HolderBase* parent = nullptr)
        : HolderBase(rt, parent), factory_(std::move(f)) {}
    T& operator()() { return static_cast<T&>(ensure()); }  // first use creates it
    T* peek() const { return static_cast<T*>(form()); }

protected:
    std::unique_ptr<Form> make() override { return factory_(); }

private:
    Factory factory_;
};

class Runtime {
public:
    explicit Runtime(Seams& seams) : seams(seams) {}
    Seams& seams;

    // One event (a click, a tick, a focus): abandons on a failed conversion;
    // nested events run inside a waiting modal window or message box.
    void dispatch(const std::function<void()>& handler);
    int depth() const { return depth_; }
    bool ended() const { return ended_; }

    Answer ask(const QString& text, Prompt::Buttons b = Prompt::Buttons::Ok,
               Prompt::Icon icon = Prompt::Icon::None, const QString& title = {});
    // Ends the program at once: no close handler and no question runs.
    [[noreturn]] void endNow();

    // Forms and views that were unloaded while a handler may still use them.
    void bury(std::unique_ptr<Form> f, std::unique_ptr<View> v);
    // Every window follows the game, then the drawn ones are drawn again.
    void refreshViews();
    // Every window but `keep` drawn afresh (HolderBase::redraw), in the order they were made.
    void redrawViews(const HolderBase* keep);
    void registerHolder(HolderBase* h) { holders_.push_back(h); }
    // Where the player left a window (by its form name), kept between runs;
    // nothing is kept by default.
    virtual std::optional<QRect> keptPlace(const QString&) const { return std::nullopt; }
    virtual void keepPlace(const QString&, const QRect&) {}
    // Called after an outermost event; decides whether the program is over.
    std::function<bool()> allWindowsGone;

private:
    int depth_ = 0;
    bool ended_ = false;
    bool quitting_ = false;
    std::vector<HolderBase*> holders_;
    std::vector<std::unique_ptr<Form>> deadForms_;
    std::vector<std::unique_ptr<View>> deadViews_;
};

}  // namespace ui
