#pragma once
// "Tip of the Day": one tip at a time with Previous and Next, and the box
// "Show tips at startup", which the setting "Tips_StartUp" keeps ("N": the
// tips do not open by themselves at the next start).

#include <QDialog>

#include "storage/settings_file.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmora {

class TipsBox : public QDialog {
  public:
    // Starts at tip `first` (counted from 0, taken round the list).
    TipsBox(SettingsFile settings, size_t first, QWidget* owner = nullptr);

    size_t Current() const { return current_; }

    QLabel* lblTip;
    QLabel* lblNumber;
    QCheckBox* chkStartUp;
    QPushButton* btnPrevious;
    QPushButton* btnNext;
    QPushButton* btnClose;

  private:
    void ShowTip(size_t index);
    void Step(int by);

    SettingsFile settings_;
    size_t current_ = 0;
};

// Whether the tips open by themselves at start: unless the setting says "N".
bool TipsAtStartUp(const SettingsFile& settings);

}  // namespace velmora
