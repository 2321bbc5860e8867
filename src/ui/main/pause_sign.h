#pragma once
// The sign that covers the table while the game is paused: the cards are
// hidden, the table takes no input, and a click on the sign resumes.

#include <QLabel>

#include <functional>

namespace velmora {

class PauseSign : public QLabel {
  public:
    explicit PauseSign(QWidget* table);

    // A left click on the sign.
    std::function<void()> clicked;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace velmora
