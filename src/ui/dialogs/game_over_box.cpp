#include "ui/dialogs/game_over_box.h"

#include <QBoxLayout>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace velmora {

QString SummaryHeading(const GameSummary& summary) {
    const QString name = QString::fromStdString(summary.game_name);
    if (summary.won) return QStringLiteral("You won %1!").arg(name);
    return QStringLiteral("No moves are left: this game of %1 is lost.").arg(name);
}

QString SummaryDetails(const GameSummary& summary) {
    QString details = QStringLiteral("Time: %1").arg(QString::fromStdString(summary.time));
    if (!summary.score.empty())
        details += QStringLiteral("     Score: %1").arg(QString::fromStdString(summary.score));
    details += QStringLiteral("     Moves: %1").arg(summary.moves);
    return details;
}

TfrmGameOver::TfrmGameOver(const GameSummary& summary, QWidget* owner) : QDialog(owner) {
    setObjectName("frmGameOver");
    setWindowTitle(summary.won ? QStringLiteral("Game won") : QStringLiteral("Game lost"));
    lblResult = new QLabel(SummaryHeading(summary), this);
    lblResult->setObjectName("lblResult");
    QFont heading = lblResult->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    heading.setBold(true);
    lblResult->setFont(heading);
    lblDetails = new QLabel(SummaryDetails(summary), this);
    lblDetails->setObjectName("lblDetails");
    btnNewGame = new QPushButton(QStringLiteral("&New game"), this);
    btnSameDeal = new QPushButton(QStringLiteral("&Play this deal again"), this);
    btnOtherGame = new QPushButton(QStringLiteral("&Choose another game..."), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnNewGame->setObjectName("btnNewGame");
    btnSameDeal->setObjectName("btnSameDeal");
    btnOtherGame->setObjectName("btnOtherGame");
    btnClose->setObjectName("btnClose");
    btnNewGame->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnNewGame, btnSameDeal, btnOtherGame}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(12);
    layout->addWidget(lblResult);
    layout->addWidget(lblDetails);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    const auto choose = [this](SummaryChoice choice) {
        choice_ = choice;
        accept();
    };
    connect(btnNewGame, &QPushButton::clicked, this, [choose] { choose(SummaryChoice::NewGame); });
    connect(btnSameDeal, &QPushButton::clicked, this, [choose] { choose(SummaryChoice::SameDeal); });
    connect(btnOtherGame, &QPushButton::clicked, this, [choose] { choose(SummaryChoice::OtherGame); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

SummaryChoice TfrmGameOver::Ask() {
    choice_ = SummaryChoice::Close;
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    exec();
    return choice_;
}

}  // namespace velmora
