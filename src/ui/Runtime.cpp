#include "ui/Runtime.h"

namespace ui {

void Form::closeBox() { unloadMe(); }
void Form::unloadMe() { if (holder_) holder_->unload(); }
void Form::hideMe() { if (holder_) holder_->hide(); }

HolderBase::HolderBase(Runtime& rt, HolderBase* parent) : rt_(rt), parent_(parent) {
    rt_.registerHolder(this);
    if (parent_) parent_->children_.push_back(this);
}

HolderBase::~HolderBase() = default;

Form& HolderBase::ensure() {
    if (!form_) {
        if (parent_) parent_->ensure();  // a child window creates its frame first
        // The frame's load may already have created this very window.
        if (form_) return *form_;
        form_ = make();
        form_->holder_ = this;
        Form* f = form_.get();
        runGuarded([f] { f->load(); });
        if (!form_) throw Abandon{};  // the load unloaded the window again
    }
    return *form_;
}

void HolderBase::ensureView() {
    if (!view_ && form_) view_ = rt_.seams.createView(*form_);
}

void HolderBase::show() {
    Form& f = ensure();
    if (parent_) parent_->show();
    if (!form_) return;
    f.visible = true;
    f.modal = false;
    ensureView();
    if (view_) { view_->refresh(); view_->showView(); }
    Form* keep = &f;
    runGuarded([keep] { keep->gotFocus(); });
}

void HolderBase::showModal() {
    Form& f = ensure();
    f.visible = true;
    f.modal = true;
    ensureView();
    rt_.refreshViews();  // what the handler wrote so far shows behind the dialog
    // A window drawn afresh while the player read it (the text size) is
    // waited for again in its new view.
    View* waited = nullptr;
    do {
        waited = view_.get();
        rt_.seams.runModal(f, waited);
    } while (form_.get() == &f && f.visible && f.modal && view_ && view_.get() != waited);
}

void HolderBase::hide() {
    if (!form_) return;
    form_->visible = false;
    if (view_) view_->hideView();
}

bool HolderBase::unload() {
    if (!form_) return true;
    Form* f = form_.get();
    bool ok = true;
    runGuarded([&] { ok = f->queryUnload(); });
    if (!ok || form_.get() != f) return false;
    for (HolderBase* c : children_) c->unload();
    runGuarded([f] { f->unloadHandler(); });
    if (form_.get() != f) return true;
    f->visible = false;
    f->holder_ = nullptr;
    if (view_) view_->hideView();
    rt_.bury(std::move(form_), std::move(view_));
    return true;
}

void HolderBase::redraw() {
    if (!view_) return;
    view_->hideView();  // a modal window's wait in it ends (showModal waits again)
    rt_.bury(nullptr, std::move(view_));
    if (!form_ || !form_->visible) return;  // a hidden window gets its new view when shown
    ensureView();
    if (!view_) return;
    view_->refresh();
    if (!form_->modal) view_->showView();  // a modal one shows as it is waited for
}

void Runtime::redrawViews(const HolderBase* keep) {
    for (HolderBase* h : holders_)
        if (h != keep) h->redraw();
}

void Runtime::dispatch(const std::function<void()>& handler) {
    if (ended_) return;
    struct Depth {
        int& d;
        explicit Depth(int& d) : d(d) { ++d; }
        ~Depth() { --d; }
    };
    {
        Depth guard(depth_);
        try {
            handler();
        } catch (const Abandon&) {
        } catch (const ProgramEnded&) {
            if (depth_ > 1) throw;  // unwind to the outermost event
        }
    }
    if (ended_) return;
    refreshViews();
    if (depth_ == 0) {
        deadViews_.clear();
        deadForms_.clear();
        if (!quitting_ && allWindowsGone && allWindowsGone()) {
            quitting_ = true;
            seams.quit();
        }
    }
}

Answer Runtime::ask(const QString& text, Prompt::Buttons b, Prompt::Icon icon, const QString& title) {
    refreshViews();  // the player sees what the handler wrote so far
    return seams.ask(Prompt{text, b, icon, title});
}

void Runtime::endNow() {
    ended_ = true;
    seams.endNow();
    throw ProgramEnded{};
}

void Runtime::bury(std::unique_ptr<Form> f, std::unique_ptr<View> v) {
    if (v) deadViews_.push_back(std::move(v));
    if (f) deadForms_.push_back(std::move(f));
}

void HolderBase::follow() {
    if (Form* f = form_.get()) runGuarded([f] { f->follow(); });
}

void Runtime::refreshViews() {
    for (HolderBase* h : holders_) h->follow();
    if (!seams.drawsViews()) return;  // headless: nothing to draw after each event
    for (HolderBase* h : holders_) h->refresh();
}

}  // namespace ui
