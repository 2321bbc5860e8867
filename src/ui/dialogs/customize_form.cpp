#include "ui/dialogs/customize_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "engine/model/param_record.h"
#include "platform/desktop.h"
#include "platform/wait_cursor.h"
#include "render/colour_value.h"
#include "storage/preference_keys.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/customize_trees.h"

namespace velmora {
namespace {

// The table lies below the main toolbar (small buttons).
constexpr int kMainToolbarHeight = 30;

SampleScreen PrimaryScreen() {
    SampleScreen screen;
    screen.colours = ScreenColorCount();
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen.table_extent = primary->size() - QSize(0, kMainToolbarHeight);
    return screen;
}

QPixmap Picture(const Surface& surface) {
    return surface.IsNull() ? QPixmap() : QPixmap::fromImage(surface.Image());
}

int64_t RecordCardBack(const ParamRecord& params) {
    return DecimalField(params.ParamRead(key::kBackCard.position, key::kBackCard.length));
}

void ShowSample(QLabel& label, const Surface& sample) {
    if (sample.IsNull()) {
        label.clear();
    } else {
        label.setPixmap(Picture(sample));
    }
}

}  // namespace

TfrmCustomize_Freeware::TfrmCustomize_Freeware(ParamRecord& params, SettingsFile settings,
                                               const ResourceLibrary& library, HelpHook show_help,
                                               ClosingHook closing, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      params_(params),
      settings_(std::move(settings)),
      library_(library),
      show_help_(std::move(show_help)),
      closing_(std::move(closing)),
      screen_(PrimaryScreen()) {
    setObjectName(QStringLiteral("frmCustomize_Freeware"));
    setWindowTitle(QStringLiteral("Customize"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    BuildGeneralPage();
    BuildDecksPage();
    BuildBackgroundsPage();
    BuildSoundsPage();
    BuildButtons();
    const std::vector<QPixmap> images = TreeImageList(library_);
    FillTree(*trvCardBack, CardBackNodes(), images, kCardBackIcon);
    FillTree(*trvBackGround, BackgroundNodes(), images, kBackgroundIcon);
    ConnectEvents();
    ApplyAdvancedFormFont(*this);
}

CustomizeChoices TfrmCustomize_Freeware::Choices() const {
    CustomizeChoices choices;
    const int64_t back = NodeValue(trvCardBack->currentItem());
    choices.card_back = back > 0 ? static_cast<int>(back) : 0;
    choices.background = chosen_background_;
    choices.fade = chkFadeBackground->isChecked();
    choices.sounds_disabled = chkSoundsEnabled->isChecked();
    choices.toolbar_large = chkTBLargeIcons->isChecked();
    choices.toolbar_flat = chkTBFlatBtn->isChecked();
    choices.show_time = chkShowTime->isChecked();
    choices.show_score = chkShowScore->isChecked();
    choices.confirm_quit_game = chkConfirmQuitGame->isChecked();
    choices.confirm_on_exit = chkConfirmOnExit->isChecked();
    choices.safe_autoplay = chkSafeAutoplay->isChecked();
    choices.winning_animation = chkWinningAnimation->isChecked();
    choices.show_winnable = chkShowWinnable->isChecked();
    choices.winnable_deals_only = chkWinnableDeals->isChecked();
    choices.card_size = static_cast<char>(cboCardSize->currentData().toInt());
    return choices;
}

void TfrmCustomize_Freeware::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmCustomize_Freeware::FormShow() {
    WaitCursor busy;
    cancelled_ = true;
    snapshot_ = TakeCustomizeSnapshot(params_);
    custom_colour_ = CustomColour(params_);
    loading_ = true;
    ShowStartingControls();
    ShowStartingBackground();
    loading_ = false;
    // The card back of the selected node, else the one in force.
    const QTreeWidgetItem* node = trvCardBack->currentItem();
    const int64_t back = NodeValue(node) > 0 ? NodeValue(node) : RecordCardBack(params_);
    shown_card_back_ = static_cast<int>(back);
    grpDeckSample->setTitle(NodeValue(node) > 0 ? node->text(0) : QString());
    PaintSamples();
}

void TfrmCustomize_Freeware::ShowStartingControls() {
    const CustomizeChoices start = StartingChoices(params_, settings_);
    chkFadeBackground->setChecked(start.fade);
    if (const int64_t back = RecordCardBack(params_); back > 0)
        SelectNode(*trvCardBack, NodeWithValue(*trvCardBack, back));
    chkSoundsEnabled->setChecked(start.sounds_disabled);
    chkTBLargeIcons->setChecked(start.toolbar_large);
    chkTBFlatBtn->setChecked(start.toolbar_flat);
    chkConfirmOnExit->setChecked(start.confirm_on_exit);
    chkShowTime->setChecked(start.show_time);
    chkShowScore->setChecked(start.show_score);
    chkConfirmQuitGame->setChecked(start.confirm_quit_game);
    chkSafeAutoplay->setChecked(start.safe_autoplay);
    chkShowWinnable->setChecked(start.show_winnable);
    chkWinnableDeals->setChecked(start.winnable_deals_only);
    cboCardSize->setCurrentIndex(cboCardSize->findData(QVariant(static_cast<int>(start.card_size))));
}

// The background in force is shown and its node selected; for the default
// table that is the first colour. The selection alone chooses nothing: OK
// keeps the background in force until the player picks a node.
void TfrmCustomize_Freeware::ShowStartingBackground() {
    const BackgroundStart start = StartingBackground(params_);
    shown_background_ = SampleForStart(start, custom_colour_, chkFadeBackground->isChecked());
    chosen_background_.reset();
    const bool is_default = start.kind == BackgroundStartKind::Default;
    QTreeWidgetItem* node =
        is_default ? NodeAt(*trvBackGround, 1) : NodeWithValue(*trvBackGround, start.value);
    SelectNode(*trvBackGround, node);
    lblSfondoEsempio->setText(node && !is_default ? node->text(0) : QString());
}

void TfrmCustomize_Freeware::PaintSamples() {
    ShowSample(*imgSfondoEsempio, PaintBackgroundSample(imgSfondoEsempio->contentsRect().size(),
                                                        shown_background_, library_, screen_));
    card_table_ =
        PaintBackgroundSample(imgSfondoEsempio2->size(), shown_background_, library_, screen_);
    ShowSample(*imgSfondoEsempio2, card_table_);
    DrawCardBackSample(shown_card_back_);
}

void TfrmCustomize_Freeware::DrawCardBackSample(int back) {
    shown_card_back_ = back;
    ShowSample(*imgDorsoEsempio,
               CardBackSample(library_, back, card_table_, imgDorsoEsempio->pos()));
}

void TfrmCustomize_Freeware::trvCardBackChange(QTreeWidgetItem* node) {
    const int64_t back = NodeValue(node);
    if (loading_ || back <= 0) return;
    WaitCursor busy;
    DrawCardBackSample(static_cast<int>(back));
    grpDeckSample->setTitle(node->text(0));
}

void TfrmCustomize_Freeware::trvBackGroundChange(QTreeWidgetItem* node) {
    if (loading_) return;
    WaitCursor busy;
    chosen_background_ = NodeValue(node);
    shown_background_ =
        SampleForValue(*chosen_background_, custom_colour_, chkFadeBackground->isChecked());
    lblSfondoEsempio->setText(node ? node->text(0) : QString());
    PaintSamples();
}

void TfrmCustomize_Freeware::chkFadeBackgroundClick() {
    if (loading_ || shown_background_.kind != BackgroundKind::Colour) return;
    shown_background_.fade = chkFadeBackground->isChecked();
    PaintSamples();
}

void TfrmCustomize_Freeware::btnOKClick() {
    {
        WaitCursor busy;
        ApplyCustomizeOk(params_, settings_, Choices(), custom_colour_);
        cancelled_ = false;
    }
    accept();
}

void TfrmCustomize_Freeware::done(int result) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    QDialog::done(result);
}

// The table is rebuilt by the owner; the record is put right here first.
void TfrmCustomize_Freeware::FormClose() {
    WaitCursor busy;
    hide();
    QCoreApplication::processEvents();
    if (QWidget* owner = parentWidget()) owner->repaint();
    if (!shown_) return;
    ApplyCustomizeClosing(params_, Choices(), snapshot_, cancelled_, custom_colour_);
    if (closing_) closing_(cancelled_);
}

}  // namespace velmora
