#pragma once
// TfrmCustomize_Freeware ("Customize"): the card back, the table background
// (plain or shaded colour, or a picture), the card size, the time and score panels, the
// quit confirmation and the sounds. The samples preview the choices; the
// table changes only when the dialog closes, through the closing hook, and
// Cancel puts the parameter record back as it was.

#include <QDialog>

#include <functional>
#include <optional>

#include "platform/surface.h"
#include "render/background.h"
#include "storage/settings_file.h"
#include "ui/dialogs/customize_choices.h"
#include "ui/dialogs/customize_samples.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ParamRecord;
class ResourceLibrary;

class TfrmCustomize_Freeware : public QDialog {
  public:
    // The help topic of the dialog.
    static constexpr int kHelpContext = 1019;
    static constexpr int kClientWidth = 400;
    static constexpr int kClientHeight = 301;

    // Opens the help topic of that number.
    using HelpHook = std::function<void(int topic)>;
    // The table's part of closing: show or hide the time and score panels
    // from the record, reload the card pictures, lay out and redraw.
    using ClosingHook = std::function<void(bool cancelled)>;

    TfrmCustomize_Freeware(ParamRecord& params, SettingsFile settings,
                           const ResourceLibrary& library, HelpHook show_help, ClosingHook closing,
                           QWidget* owner = nullptr);

    // The screen the table is shown on; the primary screen unless told.
    void SetScreen(const SampleScreen& screen) { screen_ = screen; }

    // Set while shown, cleared by OK.
    bool Cancelled() const { return cancelled_; }
    // The controls as values.
    CustomizeChoices Choices() const;

    // Both ways of closing end here (OK, Cancel, Escape, the title bar).
    void done(int result) override;

    QTabWidget* nbkCustomize;
    QWidget* tsGeneral;
    QWidget* tsDecks;
    QWidget* tsBackgrounds;
    QWidget* tsSounds;

    QGroupBox* grpToolbar;
    QCheckBox* chkTBLargeIcons;
    QCheckBox* chkTBFlatBtn;
    QGroupBox* grpTimeScores;
    QCheckBox* chkShowTime;
    QCheckBox* chkShowScore;
    QGroupBox* grpShow;
    QCheckBox* chkConfirmQuitGame;
    QCheckBox* chkWinningAnimation;
    QCheckBox* chkConfirmOnExit;
    QCheckBox* chkSafeAutoplay;
    QGroupBox* grpSolver;
    QCheckBox* chkShowWinnable;
    QCheckBox* chkWinnableDeals;

    QLabel* lblCardBack;
    QTreeWidget* trvCardBack;
    QGroupBox* grpDeckSample;
    QLabel* imgSfondoEsempio2;
    QLabel* imgDorsoEsempio;
    QLabel* lblCardSize;
    QComboBox* cboCardSize;

    QLabel* lblBackGround;
    QTreeWidget* trvBackGround;
    QLabel* imgSfondoEsempio;
    QLabel* lblSfondoEsempio;
    QCheckBox* chkFadeBackground;

    QCheckBox* chkSoundsEnabled;

    QPushButton* btnOK;
    QPushButton* btnAnnulla;
    QPushButton* btnAiuto;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The widgets of each page (customize_pages.cpp).
    void BuildGeneralPage();
    void BuildDecksPage();
    void BuildBackgroundsPage();
    void BuildSoundsPage();
    void BuildButtons();
    void ConnectEvents();

    void FormShow();
    void ShowStartingControls();
    void ShowStartingBackground();
    void FormClose();
    void btnOKClick();
    void trvCardBackChange(QTreeWidgetItem* node);
    void trvBackGroundChange(QTreeWidgetItem* node);
    void chkFadeBackgroundClick();

    void PaintSamples();
    void DrawCardBackSample(int back);

    ParamRecord& params_;
    SettingsFile settings_;
    const ResourceLibrary& library_;
    HelpHook show_help_;
    ClosingHook closing_;
    SampleScreen screen_;

    CustomizeSnapshot snapshot_;
    int64_t custom_colour_ = 0;
    // The background node the player chose; none keeps the one in force.
    std::optional<int64_t> chosen_background_;
    BackgroundChoice shown_background_;
    Surface card_table_;  // the background sample the card back lies on
    int shown_card_back_ = 0;
    bool cancelled_ = true;
    bool shown_ = false;
    bool loading_ = false;
    bool closed_ = false;
};

}  // namespace velmora
