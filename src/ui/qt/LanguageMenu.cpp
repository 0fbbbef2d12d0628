#include "ui/qt/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "ui/Runtime.h"
#include "ui/qt/Language.h"

namespace ui::qt {

void addLanguageMenu(QMenu* into, ui::Runtime& rt, const QString& kept, std::function<void(const QString&)> keep) {
    QMenu* languages = into->addMenu(shown(QStringLiteral("言語")));
    languages->setObjectName(QStringLiteral("Language"));
    auto* group = new QActionGroup(languages);
    const QString running = language() == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
    for (auto [code, name] : {std::pair{"ja", u"日本語"}, {"en", u"English"}}) {
        QAction* a = languages->addAction(QString::fromUtf16(name));
        a->setObjectName(QStringLiteral("Language_") + QLatin1String(code));
        a->setCheckable(true);
        a->setChecked((kept.isEmpty() ? running : kept) == QLatin1String(code));
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, languages, [&rt, keep, running, c = QString::fromLatin1(code)] {
            keep(c);
            if (c != running) rt.dispatch([&rt] { rt.ask(QStringLiteral("言語は次に始めたときから変わります")); });
        });
    }
}

}  // namespace ui::qt
