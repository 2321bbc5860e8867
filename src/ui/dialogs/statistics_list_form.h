#pragma once
// All games statistics and Players statistics: a line of figures per game
// or per player (played, won, lost, win rate, best time, best score),
// sorted by a click on any column's header. Players statistics also offers
// Reset, which clears every result of the chosen player once confirmed.

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

#include "engine/results/result_queries.h"
#include "ui/dialogs/statistics_game_form.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class TfrmStatisticsList : public QDialog {
  public:
    struct Line {
        QString name;
        ResultSummary summary;
    };
    // Clears the results of the line named; false when they could not be
    // cleared (the hook has told the player why).
    using ResetHook = std::function<bool(const QString& name)>;

    TfrmStatisticsList(const char* name, const QString& title, const QString& first_column,
                       std::vector<Line> lines, QWidget* owner = nullptr);

    // Shows Reset for the line selected.
    void OfferReset(ResetHook reset, ConfirmHook confirm);
    void btnResetClick();

    QTableWidget* tblStatistics;
    QLabel* lblNone;
    QPushButton* btnReset;
    QPushButton* btnClose;

  private:
    void Fill();
    int SelectedLine() const;
    void EnableReset();

    std::vector<Line> lines_;
    ResetHook reset_;
    ConfirmHook confirm_;
};

}  // namespace velmora
