#pragma once
// What the windows that show one set of figures share: a heading, a column
// of captions with their values right-aligned, and a row of buttons ending
// with Close; the window is sized to its content.

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace velmora {

class TfrmStatisticsFigures : public QDialog {
  public:
    QLabel* lblHeading;
    QPushButton* btnClose;

  protected:
    TfrmStatisticsFigures(const char* name, const QString& title, const QString& heading,
                          QWidget* owner);
    // The next row of figures.
    QLabel* Figure(const QString& caption, const char* name);
    // A button left of Close.
    QPushButton* AddButton(const QString& caption, const char* name);

  private:
    QGridLayout* figures_;
    QHBoxLayout* buttons_;
    QPushButton* first_button_;  // the leftmost button, where Tab comes first
    int rows_ = 0;
};

}  // namespace velmora
