#include "finance/BankView.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "finance/Bank.h"
#include "finance/LoanTerms.h"
#include "ui/qt/TextSize.h"

namespace finance {

BankView::BankView(Program& p, QWidget* owner) : DialogView(p, p.bank(), owner) {
    Bank& b = p.bank();
    auto* grid = new QGridLayout(w_);
    QLabel* heading = bind.label(new QLabel, b.Label1, "Label1");
    QFont big = heading->font();
    big.setPointSize(ui::qt::pt(13));
    big.setBold(true);
    heading->setFont(big);
    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(bind.label(new QLabel, b.Label2, "Label2"), 1, 1);

    static const char* const buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
    static const char* const statuses[] = {"Label3", "Label4", "Label5", "Label6", "Label7"};
    static const char* const dues[] = {"as1", "as2", "as3", "as4", "as5"};
    for (int n = 1; n <= kLoanWindows; ++n) {
        const int row = 2 * n;
        auto* window =
            bind.button(new QPushButton, b.button(n), buttons[n - 1], [&b, n] { b.windowClick(n); });
        window->setMinimumSize(ui::qt::px(QSize(90, 40)));
        grid->addWidget(window, row, 0, 2, 1);
        QLabel* status = bind.label(new QLabel, b.status(n), statuses[n - 1]);
        grid->addWidget(status, row, 1);
        QLabel* due = bind.label(new QLabel, b.due(n), dues[n - 1]);
        due->setMinimumHeight(due->fontMetrics().height());  // a free window keeps its row's height
        grid->addWidget(due, row + 1, 1);
        // The window's state and its due date are heard with its button.
        bind.describe(window, {status, due});
    }
    bind.describe(w_, {heading});
    auto* ok = bind.button(new QPushButton, b.Command6, "Command6", [&b] { b.command6Click(); });
    ok->setDefault(true);  // Enter closes the bank, as Escape and the close box do
    focusFirst(ok);        // opening the bank borrows nothing
    grid->addWidget(ok, 2 * kLoanWindows + 2, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    w_->setMinimumWidth(ui::qt::px(320));
}

}  // namespace finance
