#pragma once
// The table: the main window's central widget. It shows the front surface
// the drawing keeps up to date and hands the player's mouse to the pointer
// handling (TableInput), in table coordinates.

#include <functional>

#include "platform/surface_widget.h"

namespace velmora {

class TableInput;

class TableWidget : public SurfaceWidget {
  public:
    explicit TableWidget(QWidget* parent = nullptr);

    void SetInput(TableInput* input) { input_ = input; }
    TableInput* Input() const { return input_; }

    // Every forwarded event runs through this (the window's command guard,
    // which keeps the window from closing under a running action).
    std::function<void(const std::function<void()>&)> run_guarded;
    // After the widget took its new size.
    std::function<void()> resized;
    // After each paint (the start-up probe listens here).
    std::function<void()> painted;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Forward(const std::function<void(TableInput&)>& call);
    void Press(QMouseEvent* event);

    TableInput* input_ = nullptr;
};

}  // namespace velmora
