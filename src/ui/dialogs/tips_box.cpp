#include "ui/dialogs/tips_box.h"

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "storage/preference_keys.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/named_widget.h"
#include "ui/dialogs/tab_order.h"
#include "ui/dialogs/tip_texts.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 230;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kPageHeight = 150;

QPushButton* Button(QWidget* parent, const char* name, const char* text, int right_slot) {
    const int left = kClientWidth - kMargin - (right_slot + 1) * kButtonWidth - right_slot * 6;
    return Named(new QPushButton(QString::fromUtf8(text), parent), name,
                 QRect(left, kClientHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight));
}

}  // namespace

bool TipsAtStartUp(const SettingsFile& settings) { return settings.Read(key::kTipsStartUp) != "N"; }

TipsBox::TipsBox(SettingsFile settings, size_t first, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), settings_(std::move(settings)) {
    setObjectName(QStringLiteral("frmTips"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto* page = Named(new QFrame(this), "pnlTip",
                       QRect(kMargin, kMargin, kClientWidth - 2 * kMargin, kPageHeight));
    page->setFrameShape(QFrame::StyledPanel);
    page->setFrameShadow(QFrame::Sunken);
    page->setAutoFillBackground(true);
    QPalette colours = page->palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 225));
    colours.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(colours);
    auto* heading = Named(new QLabel(QStringLiteral("Did you know..."), page), "lblHeading",
                          QRect(12, 10, 250, 22));
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 3);
    heading->setFont(big);
    lblNumber = Named(new QLabel(page), "lblNumber", QRect(page->width() - 92, 12, 80, 18));
    lblNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTip = Named(new QLabel(page), "lblTip", QRect(12, 40, page->width() - 24, kPageHeight - 50));
    lblTip->setWordWrap(true);
    lblTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkStartUp = Named(new QCheckBox(QStringLiteral("&Show tips at startup"), this), "chkStartUp",
                       QRect(kMargin, kMargin + kPageHeight + 8, 200, 20));
    chkStartUp->setChecked(TipsAtStartUp(settings_));
    btnClose = Button(this, "btnClose", "Close", 0);
    btnNext = Button(this, "btnNext", "&Next tip", 1);
    btnPrevious = Button(this, "btnPrevious", "&Previous", 2);
    btnClose->setDefault(true);
    ChainTabOrder({chkStartUp, btnPrevious, btnNext, btnClose});
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNext, &QPushButton::clicked, this, [this] { Step(1); });
    connect(btnPrevious, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(chkStartUp, &QCheckBox::toggled, this,
            [this](bool on) { settings_.WriteFlag(key::kTipsStartUp, on); });
    ShowTip(first % DayTips().size());
    ApplyAdvancedFormFont(*this);
}

void TipsBox::ShowTip(size_t index) {
    current_ = index;
    const std::string_view tip = DayTips()[index];
    lblTip->setText(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
    lblNumber->setText(QStringLiteral("%1 of %2").arg(index + 1).arg(DayTips().size()));
}

// Round the list both ways: after the last tip comes the first again.
void TipsBox::Step(int by) {
    const size_t count = DayTips().size();
    ShowTip(by > 0 ? (current_ + 1) % count : (current_ + count - 1) % count);
}

}  // namespace velmora
