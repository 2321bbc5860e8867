#include "ui/dialogs/players_form.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "engine/model/param_record.h"
#include "storage/players.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/named_widget.h"

namespace velmora {

namespace {

constexpr int kClientWidth = 330;
constexpr int kClientHeight = 262;
constexpr int kMargin = 8;
constexpr int kListWidth = 220;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 25;
constexpr int kPlaceRole = Qt::UserRole;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QPushButton* Button(QWidget* parent, const char* name, const char* text, int left, int top) {
    return Named(new QPushButton(QString::fromUtf8(text), parent), name,
                 QRect(left, top, kButtonWidth, kButtonHeight));
}

}  // namespace

TfrmPlayers::TfrmPlayers(ParamRecord& params, SettingsFile settings, Hooks hooks, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      params_(params),
      settings_(std::move(settings)),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmPlayers"));
    setWindowTitle(QStringLiteral("Players"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    BuildWidgets();
    UseDefaultHooks();
    FillList(FindPlayerIn(CurrentPlayerName(params_)));
    ApplyAdvancedFormFont(*this);
}

void TfrmPlayers::BuildWidgets() {
    lblPlayers = Named(new QLabel(QStringLiteral("&Who plays?"), this), "lblPlayers",
                       QRect(kMargin, kMargin, kListWidth, 16));
    lstPlayers = Named(new QListWidget(this), "lstPlayers",
                       QRect(kMargin, kMargin + 18, kListWidth, kClientHeight - 2 * kMargin - 18));
    lblPlayers->setBuddy(lstPlayers);
    const int left = kClientWidth - kMargin - kButtonWidth;
    btnAdd = Button(this, "btnAdd", "&Add...", left, kMargin + 18);
    btnRename = Button(this, "btnRename", "&Rename...", left, kMargin + 18 + 30);
    btnDelete = Button(this, "btnDelete", "&Delete", left, kMargin + 18 + 60);
    btnOK = Button(this, "btnOK", "OK", left, kClientHeight - kMargin - 2 * kButtonHeight - 5);
    btnCancel = Button(this, "btnCancel", "Cancel", left, kClientHeight - kMargin - kButtonHeight);
    btnOK->setDefault(true);
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnRename, &QPushButton::clicked, this, [this] { btnRenameClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstPlayers, &QListWidget::itemDoubleClicked, this, [this] { btnOKClick(); });
    connect(lstPlayers, &QListWidget::currentRowChanged, this, [this] { EnableCommands(); });
}

void TfrmPlayers::UseDefaultHooks() {
    if (!hooks_.ask_name) {
        hooks_.ask_name = [this](const std::string& title, const std::string& name) -> std::optional<std::string> {
            QInputDialog box(this);
            box.setWindowTitle(Text(title));
            box.setLabelText(QStringLiteral("&Name:"));
            box.setTextValue(Text(name));
            if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(kCurrentPlayerLength);
            if (box.exec() != QDialog::Accepted) return std::nullopt;
            return box.textValue().toStdString();
        };
    }
    if (!hooks_.confirm) {
        hooks_.confirm = [this](const std::string& question) {
            return QMessageBox::question(this, windowTitle(), Text(question)) == QMessageBox::Yes;
        };
    }
    if (!hooks_.inform) {
        hooks_.inform = [this](const std::string& text) { QMessageBox::information(this, windowTitle(), Text(text)); };
    }
}

std::optional<std::string> TfrmPlayers::Choose() {
    chosen_.clear();
    if (exec() != QDialog::Accepted || chosen_.empty()) return std::nullopt;
    return chosen_;
}

void TfrmPlayers::FillList(int select_place) {
    lstPlayers->clear();
    for (const PlayerEntry& player : ReadPlayerList(settings_)) {
        auto* item = new QListWidgetItem(Text(player.name), lstPlayers);
        item->setData(kPlaceRole, player.place);
        // The player who plays now stands out.
        if (player.name == CurrentPlayerName(params_)) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        if (player.place == select_place) lstPlayers->setCurrentItem(item);
    }
    if (!lstPlayers->currentItem() && lstPlayers->count() > 0) lstPlayers->setCurrentRow(0);
    EnableCommands();
}

std::string TfrmPlayers::SelectedName() const {
    const QListWidgetItem* item = lstPlayers->currentItem();
    return item ? item->text().toStdString() : std::string();
}

int TfrmPlayers::SelectedPlace() const {
    const QListWidgetItem* item = lstPlayers->currentItem();
    return item ? item->data(kPlaceRole).toInt() : -1;
}

void TfrmPlayers::EnableCommands() {
    const bool selected = lstPlayers->currentItem() != nullptr;
    btnRename->setEnabled(selected);
    // The last player stays: someone always plays.
    btnDelete->setEnabled(selected && lstPlayers->count() > 1);
    btnOK->setEnabled(selected);
}

// Asks for a name until the storage takes it or the player cancels; `store`
// returns false with the reason, which the player is told before trying again.
std::optional<std::string> TfrmPlayers::AskName(const std::string& title, std::string name,
                                                const std::function<bool(const std::string&, std::string&)>& store) {
    for (;;) {
        const std::optional<std::string> typed = hooks_.ask_name(title, name);
        if (!typed) return std::nullopt;
        std::string why;
        if (store(*typed, why)) return typed;
        hooks_.inform(why);
        name = *typed;
    }
}

void TfrmPlayers::btnAddClick() {
    int place = -1;
    const auto add = [&](const std::string& name, std::string& why) {
        place = AddPlayer(params_, settings_, name, why);
        return place >= 0;
    };
    if (AskName("New player", "", add)) FillList(place);
}

void TfrmPlayers::btnRenameClick() {
    const int place = SelectedPlace();
    if (place < 0) return;
    const auto rename = [&](const std::string& name, std::string& why) {
        return RenamePlayer(params_, settings_, place, name, why);
    };
    if (AskName("Rename player", SelectedName(), rename)) FillList(place);
}

void TfrmPlayers::btnDeleteClick() {
    const int place = SelectedPlace();
    if (place < 0) return;
    const std::string name = SelectedName();
    if (!hooks_.confirm("Delete the player " + name + " and all of " + name + "'s results?")) return;
    std::string why;
    if (!DeletePlayer(params_, settings_, place, why)) hooks_.inform(why);
    FillList(FindPlayerIn(CurrentPlayerName(params_)));
}

void TfrmPlayers::btnOKClick() {
    chosen_ = SelectedName();
    if (chosen_.empty()) return;
    accept();
}

int TfrmPlayers::FindPlayerIn(const std::string& name) const {
    for (const PlayerEntry& player : ReadPlayerList(settings_))
        if (player.name == name) return player.place;
    return -1;
}

}  // namespace velmora
