// The floor of the start-up benchmark: a bare Qt widgets program, one window
// holding one label, that reports its first paint the way velmora reports
// its first dealt table.
#include <QApplication>
#include <QFont>
#include <QLabel>

#include "support/startup_probe.h"

namespace {

class ProbedLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!reported_) velmora::ReportStartup();
        reported_ = true;
    }

  private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ProbedLabel label("Velmora");
    label.setAlignment(Qt::AlignCenter);
    // Letters large enough to cover a few percent of the window: a watcher
    // of the screen takes a window of nearly one colour for one not yet
    // painted.
    QFont font = label.font();
    font.setPixelSize(160);
    label.setFont(font);
    // The size of velmora's window on a first run on a 1280 x 800 screen, so
    // both programs paint and keep about the same number of window pixels.
    label.resize(1130, 650);
    label.show();
    return QApplication::exec();
}
