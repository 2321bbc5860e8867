#pragma once
// The table: the main window's central widget. It shows the front surface
// the drawing keeps up to date, hands the player's mouse to the pointer
// handling (TableInput), in table coordinates, and the keys to the keyboard
// play (TableKeys), whose focus mark it draws over the table.

#include <functional>

#include <QRect>
#include <QTimer>

#include "platform/surface_widget.h"

namespace velmora {

class TableInput;
class TableAccessibility;
class TableKeys;

class TableWidget : public SurfaceWidget {
  public:
    explicit TableWidget(QWidget* parent = nullptr);

    void SetInput(TableInput* input, TableKeys* keys = nullptr);
    TableInput* Input() const { return input_; }
    TableKeys* Keys() const { return keys_; }
    // What the table tells assistive technology; may be null.
    void SetAccessibility(TableAccessibility* accessibility) { accessibility_ = accessibility; }
    TableAccessibility* Accessibility() const { return accessibility_; }
    // Repaints the focus mark where it was and where it is now.
    void RefreshFocusMark();

    // Every forwarded event runs through this (the window's command guard,
    // which keeps the window from closing under a running action).
    std::function<void(const std::function<void()>&)> run_guarded;
    // After the widget took its new size.
    std::function<void()> resized;
    // False while the table takes no keys (a pause hides it, a demo plays it).
    std::function<bool()> keys_allowed;
    // After each paint (the start-up probe listens here).
    std::function<void()> painted;
    // Called once the table has gone unpainted a moment (the table is still).
    std::function<void()> settled;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Forward(const std::function<void(TableInput&)>& call);
    void Press(QMouseEvent* event);

    QRect MarkArea() const;

    TableInput* input_ = nullptr;
    TableKeys* keys_ = nullptr;
    TableAccessibility* accessibility_ = nullptr;
    QRect mark_drawn_;  // the widget area the mark was last drawn in
    // Restarted by every paint: once the table has been still a moment, the
    // memory its drawing freed goes back to the system.
    QTimer settled_;
};

}  // namespace velmora
