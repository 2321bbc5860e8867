// The time and score panels at the right end of the toolbar row, the two
// separator lines under the row, and the one-second clock.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTime>
#include <QTimer>

#include "storage/preference_keys.h"
#include "storage/record_settings.h"
#include "ui/main/clock_text.h"
#include "ui/main/main_window.h"
#include "ui/main/panel_placement.h"
#include "ui/main/table_widget.h"

namespace velmora {

namespace {

constexpr int kTimePanelWidth = 96;
constexpr int kScorePanelWidth = 96;
constexpr int kValueLeft = 46;
constexpr QRgb kGreyLine = 0xFFA0A0A0u;
constexpr QRgb kBlackLine = 0xFF000000u;

QFrame* Line(QWidget* parent, const char* name, QRgb colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    line->setPalette(palette);
    return line;
}

QFrame* Panel(QWidget* parent, const char* name, int width) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->resize(width, 20);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    return panel;
}

QLabel* Label(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

void TfrmMain::BuildPanels() {
    pnlTempo = Panel(table_, "pnlTempo", kTimePanelWidth);
    lblTempo2 = Label(pnlTempo, "lblTempo2", "Time:");
    lblTempo = Label(pnlTempo, "lblTempo", "");
    pnlScore = Panel(table_, "pnlScore", kScorePanelWidth);
    lblScore2 = Label(pnlScore, "lblScore2", "Score:");
    lblScore = Label(pnlScore, "lblScore", "0");
    pnlLineaGrigia = Line(table_, "pnlLineaGrigia", kGreyLine);
    pnlLineaNera = Line(table_, "pnlLineaNera", kBlackLine);
    BuildStatusBar();
    BuildPanelMenus();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

void TfrmMain::BuildPanelMenus() {
    popTime = new QMenu(this);
    popTime->setObjectName("popTime");
    popScore = new QMenu(this);
    popScore->setObjectName("popScore");
    QAction* hide_time = popTime->addAction("&Hide");
    QAction* hide_score = popScore->addAction("Hide");
    connect(hide_time, &QAction::triggered, this,
            [this] { Guarded([this] { ShowTime(false, true); }); });
    connect(hide_score, &QAction::triggered, this,
            [this] { Guarded([this] { ShowScore(false, true); }); });
    connect(pnlTempo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popTime->popup(pnlTempo->mapToGlobal(at)); });
    connect(pnlScore, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popScore->popup(pnlScore->mapToGlobal(at)); });
}

void TfrmMain::SetPanelHeights(bool large) {
    const int height = large ? 24 : 20;
    const int label_top = large ? 4 : 3;
    for (QFrame* panel : {pnlTempo, pnlScore}) panel->resize(panel->width(), height);
    for (QLabel* caption : {lblTempo2, lblScore2}) caption->move(4, label_top);
    for (QLabel* value : {lblTempo, lblScore}) {
        value->move(kValueLeft, label_top);
        value->resize(value->parentWidget()->width() - kValueLeft - 4, value->sizeHint().height());
    }
}

void TfrmMain::PlacePanels() {
    PanelPlacementInputs in;
    in.reference_width = table_->width();
    in.time_width = pnlTempo->width();
    in.score_width = pnlScore->width();
    in.panel_height = pnlTempo->height();
    in.show_time = engine_.params.IsYes(key::kShowTime.position);
    in.show_score = engine_.params.IsYes(key::kShowScore.position);
    in.row = CurrentToolbarRow();
    const PanelPlacement out = PlacePanelsIn(in);
    // Hidden while they move, shown again only where they fit.
    pnlTempo->hide();
    pnlScore->hide();
    pnlTempo->move(out.time_left, out.top);
    pnlScore->move(out.score_left, out.top);
    pnlLineaGrigia->setGeometry(0, out.grey_line_y, out.line_width, 1);
    pnlLineaNera->setGeometry(0, out.grey_line_y + 1, out.line_width, 1);
    pnlScore->setVisible(out.score_shown);
    pnlTempo->setVisible(out.time_shown);
    pnlTempo->raise();
    pnlScore->raise();
}

void TfrmMain::ShowTime(bool visible, bool save) {
    if (save) {
        SettingsFile file = OpenSettingsFile(engine_.params);
        WriteRecordFlag(engine_.params, file, key::kShowTime, visible);
    }
    pnlTempo->setVisible(visible);
    popTBShowTime->setEnabled(!visible);
    PlacePanels();
}

void TfrmMain::ShowScore(bool visible, bool save) {
    if (save) {
        SettingsFile file = OpenSettingsFile(engine_.params);
        WriteRecordFlag(engine_.params, file, key::kShowScore, visible);
    }
    pnlScore->setVisible(visible);
    popTBShowScore->setEnabled(!visible);
    PlacePanels();
}

int TfrmMain::Now() const {
    if (services_.time_of_day) return services_.time_of_day();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

void TfrmMain::Timer1Timer() {
    if (!clock_.Running()) return;
    // A game the engine ended (a win, say) stops the clock at its last time.
    if (!engine_.flags.Get(flag::kInProgress)) clock_.Stop(Now());
    lblTempo->setText(QString::fromStdString(FormatElapsed(clock_.Seconds(Now()))));
    engine_.flags.Set(flag::kClockRunning, clock_.Running());
}

void TfrmMain::ResetTimeLabel() {
    clock_.Reset();
    engine_.flags.Set(flag::kClockRunning, false);
    lblTempo->setText(QString::fromStdString(FormatElapsed(0)));
}

void TfrmMain::StartClock() {
    clock_.Start(Now());
    engine_.flags.Set(flag::kClockRunning, true);
}

void TfrmMain::StopClock() {
    if (!clock_.Running()) return;
    Timer1Timer();
    clock_.Stop(Now());
    lblTempo->setText(QString::fromStdString(FormatElapsed(clock_.Seconds(Now()))));
    lblTempo->repaint();
    engine_.flags.Set(flag::kClockRunning, false);
}

}  // namespace velmora
