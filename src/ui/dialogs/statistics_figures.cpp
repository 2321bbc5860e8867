#include "ui/dialogs/statistics_figures.h"

#include <QBoxLayout>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/statistics_table.h"

namespace velmora {

namespace {

constexpr int kValueColumnWidth = 110;

}  // namespace

TfrmStatisticsFigures::TfrmStatisticsFigures(const char* name, const QString& title,
                                             const QString& heading, QWidget* owner)
    : QDialog(owner) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    lblHeading = new QLabel(heading, this);
    lblHeading->setObjectName("lblHeading");
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);
    figures_ = new QGridLayout;
    figures_->setHorizontalSpacing(24);
    figures_->setVerticalSpacing(6);
    figures_->setColumnMinimumWidth(1, kValueColumnWidth);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    buttons_->addWidget(btnClose);
    first_button_ = btnClose;
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(12);
    layout->addWidget(lblHeading);
    layout->addLayout(figures_);
    layout->addLayout(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyAdvancedFormFont(*this);
}

QLabel* TfrmStatisticsFigures::Figure(const QString& caption, const char* name) {
    return AddFigure(*figures_, rows_++, caption, name);
}

QPushButton* TfrmStatisticsFigures::AddButton(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    buttons_->insertWidget(0, button);
    // Left of the others, so Tab reaches it first.
    QWidget::setTabOrder(button, first_button_);
    first_button_ = button;
    return button;
}

}  // namespace velmora
