#include "town/SuiiTableView.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "ui/qt/Language.h"
#include "ui/qt/ScreenReader.h"

namespace town {

SuiiModel::SuiiModel(const Suii& form, QObject* parent) : QAbstractTableModel(parent) {
    for (const ui::Label& c : form.Column) {
        QString caption = c.text(), unit;
        headers_ << ui::qt::shown(caption);
        if (const qsizetype open = caption.indexOf(u'（'); open >= 0) {
            unit = ui::qt::shown(caption.mid(open + 1).chopped(1));
            caption.truncate(open);
        }
        captions_ << ui::qt::shown(caption);
        units_ << unit;
    }
}

int SuiiModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }
int SuiiModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Suii::kColumns; }

QString SuiiModel::text(int row, int column) const {
    // The floors column counts floors ("12 floors"), where a floor label names one.
    return ui::qt::shown(Suii::cell(rows_[size_t(row)], column), column == 5 ? "floors" : nullptr);
}

QVariant SuiiModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return text(index.row(), index.column());
    // A screen reader hears a figure with its column, the unit of its caption
    // after it: "所持金 150,000,000円", "合計 2500万円". The month names itself.
    if (role == Qt::AccessibleTextRole && index.column() > 0) {
        return ui::qt::figureWords({captions_[index.column()]}, text(index.row(), index.column()),
                                   {units_[index.column()]});
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SuiiModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return headers_.value(section);
    return section + 1;
}

int SuiiModel::show(const std::vector<state::MonthRow>& rows) {
    const bool more = rows_.size() <= rows.size() && std::equal(rows_.begin(), rows_.end(), rows.begin());
    if (!more) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return 0;
    }
    const int from = int(rows_.size());
    if (rows.size() > rows_.size()) {
        beginInsertRows({}, from, int(rows.size()) - 1);
        rows_.insert(rows_.end(), rows.begin() + from, rows.end());
        endInsertRows();
    }
    return from;
}

namespace {

// The room a cell leaves at either end of its text, as the style's own cells.
int margin(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1; }

// Each cell's text on the line a row's Japanese words stand on: a cell of
// figures alone ("7700") is drawn in the Latin face, whose line is lower, and
// would sit higher than "1360人" beside it. Too narrow a cell shows its cut.
class OneLine : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        QString text = o.text;
        o.text.clear();
        const QWidget* w = o.widget;
        w->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
        const QRect room = o.rect.adjusted(margin(w), 0, -margin(w), 0);
        const QFontMetrics fm(o.font);
        if (fm.horizontalAdvance(text) > room.width()) text = fm.elidedText(text, Qt::ElideRight, room.width());
        QTextLayout probe(QStringLiteral("0月"), o.font), layout(text, o.font);
        const QTextLine japanese = line(probe);
        const QTextLine own = line(layout);
        const double ascent = std::max(own.ascent(), japanese.ascent());
        const double top = room.top() + (room.height() - ascent - std::max(own.descent(), japanese.descent())) / 2;
        const double x = o.displayAlignment & Qt::AlignRight ? room.right() + 1 - own.naturalTextWidth() : room.left();
        const auto group = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                           : (o.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        p->setPen(o.palette.color(group, o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        own.draw(p, QPointF(x, std::round(top + ascent) - own.ascent()));
    }

private:
    static QTextLine line(QTextLayout& layout) {
        layout.beginLayout();
        QTextLine l = layout.createLine();
        l.setLineWidth(1e6);
        layout.endLayout();
        return l;
    }
};

// A text's shape for measuring: its digits as the widest digit of the type,
// so that "1,051,000,000円" and "2,206,000,000円" are measured once.
QString shape(QString text, QChar widest) {
    for (QChar& c : text)
        if (c.isDigit()) c = widest;
    return text;
}

}  // namespace

SuiiTable::SuiiTable(SuiiModel* model) : model_(model) {
    setModel(model);
    setItemDelegate(new OneLine(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);  // Tab leaves the table, arrows move in it
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void SuiiTable::fit(int from) {
    if (from == 0) {
        for (auto& s : shapes_) s.clear();
        widest_.fill(0);
    }
    const QFontMetrics fm(font());
    QChar widest = u'0';
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (fm.horizontalAdvance(QChar(d)) > fm.horizontalAdvance(widest)) widest = QChar(d);
    for (int r = from; r < model_->rowCount(); ++r)
        for (int c = 0; c < Suii::kColumns; ++c) {
            const QString s = shape(model_->text(r, c), widest);
            if (shapes_[size_t(c)].contains(s)) continue;
            shapes_[size_t(c)].insert(s);
            widest_[size_t(c)] = std::max(widest_[size_t(c)], fm.horizontalAdvance(s));
        }
    for (int c = 0; c < Suii::kColumns; ++c)
        setColumnWidth(c, std::max(widest_[size_t(c)] + 2 * margin(this) + 1, horizontalHeader()->sectionSizeHint(c)));
    if (fitted) fitted();
}

int SuiiTable::need() const {
    int need = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < Suii::kColumns; ++c) need += columnWidth(c);
    return need;
}

// A new type or a new look measures every row again: the widths of the old
// would cut the new words.
void SuiiTable::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) fit(0);
}

}  // namespace town
