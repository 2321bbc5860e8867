#pragma once
// The small box of "Select a game number...": the player types the number
// of a deal (1 to 13 digits; leading zeros are part of the number) and OK
// deals it. Anything else keeps the box open with a line saying why.

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class TfrmDealNumber : public QDialog {
public:
    // `current` is the number shown to start with (the deal on the table).
    explicit TfrmDealNumber(const std::string& current, QWidget* owner = nullptr);

    // Shows the box; the number OK accepted, or none after Cancel.
    std::optional<std::string> Ask();

    // OK: accepts a valid number, else tells why and keeps the box open.
    void btnOKClick();
    // The typed text, spaces around it dropped, when it is a deal number.
    std::optional<std::string> Number() const;

    QLineEdit* edtNumber;
    QLabel* lblProblem;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

}  // namespace velmora
