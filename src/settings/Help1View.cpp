#include "settings/Help1View.h"

#include <QEvent>
#include <QFileInfo>
#include <QResizeEvent>
#include <QTextBrowser>
#include <QUrl>
#include <memory>

#include "settings/Help1.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace settings {

namespace {

constexpr int px(int twips) { return twips / Help1View::kTwipsPerPixel; }

// Reports each new size of the window to the form's resize handler.
class ResizeWatch : public QObject {
public:
    ResizeWatch(ui::Runtime& rt, Help1& form, QObject* parent) : QObject(parent), rt_(rt), form_(form) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            const QSize size = static_cast<QResizeEvent*>(e)->size();
            Help1* f = &form_;
            rt_.dispatch([f, size] {
                f->Width = size.width() * Help1View::kTwipsPerPixel;
                f->Height = size.height() * Help1View::kTwipsPerPixel;
                f->formResize();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    ui::Runtime& rt_;
    Help1& form_;
};

// A page that cannot be read leaves the view empty; nothing else happens.
void open(QTextBrowser* view, const QString& path) {
    const QFileInfo file(ui::qt::inPlayersLanguage(path));  // Help.en.html in English
    if (!file.isFile() || !file.isReadable()) {
        view->clear();
        return;
    }
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (view->source() == url) view->reload();
    else view->setSource(url);
    ui::qt::enlarge(view->document());
    // In high contrast the page's own colours give way to the palette's.
    if (ui::qt::highContrast()) ui::qt::recolour(view->document(), view->palette());
}

}  // namespace

Help1View::Help1View(Program& p, QWidget* owner) : DialogView(p, p.help1(), owner) {
    Help1& h = p.help1();
    auto* tesk = new QTextBrowser(w_);
    tesk->setObjectName(QStringLiteral("Tesk"));
    tesk->setOpenExternalLinks(false);
    // The keyboard starts in the page, with a caret: a screen reader reads
    // its headings, paragraphs and tables line by line as the arrows move it.
    tesk->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    focusFirst(tesk);
    // Named by the page's own title, where a screen reader would say a bare role.
    QObject::connect(tesk, &QTextBrowser::sourceChanged, tesk, [tesk] { tesk->setAccessibleName(tesk->documentTitle()); });
    auto shown = std::make_shared<int>(-1);
    auto high = std::make_shared<bool>(ui::qt::highContrast());
    bind.sync([tesk, &h, shown, high] {
        if (*shown != h.Tesk.navigations || *high != ui::qt::highContrast()) {
            *shown = h.Tesk.navigations;
            *high = ui::qt::highContrast();
            open(tesk, h.Tesk.location);
        }
        const QRect place(px(h.Tesk.left), px(h.Tesk.top), px(h.Tesk.width), px(h.Tesk.height));
        if (tesk->geometry() != place) tesk->setGeometry(place);
    });
    w_->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    w_->setSizeGripEnabled(true);
    // As large as the text asks for, or as the player left it if larger.
    w_->resize(QSize(px(h.Width), px(h.Height)).expandedTo(ui::qt::px(QSize(px(Help1::kWidth), px(Help1::kHeight)))));
    resizeWatch_ = new ResizeWatch(p, h, w_);
    w_->installEventFilter(resizeWatch_);
}

Help1View::~Help1View() { w_->removeEventFilter(resizeWatch_); }

}  // namespace settings
