#include "ui/dialogs/card_counter_window.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QShortcut>

namespace velmora {
namespace {

constexpr const char* kRankNames[UnseenCards::kRanks] = {"A", "2", "3", "4",  "5", "6", "7",
                                                         "8", "9", "10", "J", "Q", "K"};
// Hearts, diamonds, clubs, spades, in the order of the card codes.
constexpr const char* kSuitSymbols[UnseenCards::kSuits] = {"\u2665", "\u2666", "\u2663", "\u2660"};
constexpr int kTotalColumn = 1 + UnseenCards::kSuits;
constexpr int kTotalRow = 1 + UnseenCards::kRanks;

QLabel* Number(QGridLayout* grid, int row, int column, const QString& name) {
    auto* label = new QLabel(QStringLiteral("0"));
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(28);
    grid->addWidget(label, row, column);
    return label;
}

QLabel* Heading(QGridLayout* grid, int row, int column, const QString& text, bool red = false) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    if (red) label->setStyleSheet(QStringLiteral("color: #c00000"));
    grid->addWidget(label, row, column);
    return label;
}

void SetCount(QLabel* label, int count) {
    label->setText(QString::number(count));
    // A rank whose every copy has been seen fades, so what remains stands out.
    label->setEnabled(count > 0);
}

}  // namespace

CardCounterWindow::CardCounterWindow(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(QStringLiteral("frmCardCounter"));
    setWindowTitle(QStringLiteral("Card counter"));
    BuildGrid();
    ShowCounts(UnseenCards{}, false);
    // Nothing here takes the keyboard: Escape puts the window away as in the dialogs.
    auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);
}

void CardCounterWindow::BuildGrid() {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    for (int suit = 0; suit < UnseenCards::kSuits; ++suit)
        Heading(grid, 0, 1 + suit, QString::fromUtf8(kSuitSymbols[suit]), suit < 2);
    Heading(grid, 0, kTotalColumn, QStringLiteral("Total"));
    for (int rank = 1; rank <= UnseenCards::kRanks; ++rank) {
        const size_t r = static_cast<size_t>(rank - 1);
        Heading(grid, rank, 0, QString::fromLatin1(kRankNames[r]));
        for (int suit = 0; suit < UnseenCards::kSuits; ++suit)
            cells_[r][static_cast<size_t>(suit)] =
                Number(grid, rank, 1 + suit, QStringLiteral("lblCount_%1_%2").arg(rank).arg(suit));
        rank_totals_[r] = Number(grid, rank, kTotalColumn, QStringLiteral("lblRankTotal_%1").arg(rank));
    }
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, kTotalRow, 0, 1, kTotalColumn + 1);
    Heading(grid, kTotalRow + 1, 0, QStringLiteral("Total"));
    for (int suit = 0; suit < UnseenCards::kSuits; ++suit)
        suit_totals_[static_cast<size_t>(suit)] =
            Number(grid, kTotalRow + 1, 1 + suit, QStringLiteral("lblSuitTotal_%1").arg(suit));
    lblTotal = Number(grid, kTotalRow + 1, kTotalColumn, QStringLiteral("lblTotal"));
    lblJokersCaption = Heading(grid, kTotalRow + 2, 0, QStringLiteral("Jokers"));
    lblJokers = Number(grid, kTotalRow + 2, kTotalColumn, QStringLiteral("lblJokers"));
}

void CardCounterWindow::ShowCounts(const UnseenCards& unseen, bool jokers_in_game) {
    shown_ = unseen;
    for (int rank = 1; rank <= UnseenCards::kRanks; ++rank) {
        for (int suit = 0; suit < UnseenCards::kSuits; ++suit) SetCount(Cell(rank, suit), unseen.At(rank, suit));
        SetCount(RankTotal(rank), unseen.RankTotal(rank));
    }
    for (int suit = 0; suit < UnseenCards::kSuits; ++suit) SetCount(SuitTotal(suit), unseen.SuitTotal(suit));
    SetCount(lblTotal, unseen.Total());
    SetCount(lblJokers, unseen.jokers);
    lblJokersCaption->setVisible(jokers_in_game);
    lblJokers->setVisible(jokers_in_game);
}

QLabel* CardCounterWindow::Cell(int rank, int suit) const {
    return cells_[static_cast<size_t>(rank - 1)][static_cast<size_t>(suit)];
}

QLabel* CardCounterWindow::RankTotal(int rank) const { return rank_totals_[static_cast<size_t>(rank - 1)]; }

QLabel* CardCounterWindow::SuitTotal(int suit) const { return suit_totals_[static_cast<size_t>(suit)]; }

}  // namespace velmora
