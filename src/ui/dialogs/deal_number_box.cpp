#include "ui/dialogs/deal_number_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/deal/start_game.h"

namespace velmora {

namespace {

constexpr int kLongestTyping = 40;  // room for stray spaces; the number is checked on OK
// Wide enough for the whole caption under a window manager's title bar.
constexpr int kFieldWidth = 300;

}  // namespace

TfrmDealNumber::TfrmDealNumber(const std::string& current, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmDealNumber");
    setWindowTitle("Select a game number");
    auto* column = new QVBoxLayout(this);
    // Sized to what it holds, growing for the complaint, never resized.
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* prompt = new QLabel("&Game number (up to 13 digits):", this);
    column->addWidget(prompt);
    edtNumber = new QLineEdit(QString::fromStdString(current), this);
    edtNumber->setObjectName("edtNumber");
    edtNumber->setMaxLength(kLongestTyping);
    edtNumber->setMinimumWidth(kFieldWidth);
    edtNumber->selectAll();
    prompt->setBuddy(edtNumber);
    column->addWidget(edtNumber);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName("lblProblem");
    lblProblem->setStyleSheet("color: #b00000");
    lblProblem->hide();
    column->addWidget(lblProblem);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    column->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Typing again hides the complaint about what was typed before.
    connect(edtNumber, &QLineEdit::textEdited, lblProblem, &QLabel::hide);
}

std::optional<std::string> TfrmDealNumber::Number() const {
    const std::string typed = edtNumber->text().trimmed().toStdString();
    if (!IsDealNumberText(typed)) return std::nullopt;
    return typed;
}

void TfrmDealNumber::btnOKClick() {
    if (Number()) {
        accept();
        return;
    }
    lblProblem->setText(edtNumber->text().trimmed().isEmpty()
                            ? "Please type a game number."
                            : "A game number has 1 to 13 digits (0 to 9) and nothing else.");
    lblProblem->show();
    edtNumber->setFocus();
    edtNumber->selectAll();
}

std::optional<std::string> TfrmDealNumber::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Number();
}

}  // namespace velmora
