#include "ui/dialogs/favorites_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "storage/favorites.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/named_widget.h"
#include "ui/dialogs/tab_order.h"
#include "ui/dialogs/open_game_list.h"

namespace velmora {

namespace {

constexpr int kClientWidth = 330;
constexpr int kClientHeight = 377;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kNumberRole = Qt::UserRole;

}  // namespace

TfrmFavorites::TfrmFavorites(const std::vector<std::string>& game_list, SettingsFile settings, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), settings_(std::move(settings)) {
    setObjectName(QStringLiteral("frmFavorites"));
    setWindowTitle(QStringLiteral("Favorite games"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    BuildWidgets();
    FillList(game_list);
    ApplyAdvancedFormFont(*this);
}

void TfrmFavorites::BuildWidgets() {
    const int inner = kClientWidth - 2 * kMargin;
    lblFind = Named(new QLabel(QStringLiteral("&Find:"), this), "lblFind", QRect(kMargin, kMargin + 3, 40, 16));
    edtFind = Named(new QLineEdit(this), "edtFind", QRect(kMargin + 42, kMargin, inner - 42, 22));
    lblFind->setBuddy(edtFind);
    const int list_top = kMargin + 28;
    const int button_top = kClientHeight - kMargin - kButtonHeight;
    lstGames = Named(new QListWidget(this), "lstGames", QRect(kMargin, list_top, inner, button_top - 8 - list_top));
    lblCount = Named(new QLabel(this), "lblCount", QRect(kMargin, button_top + 4, 150, 16));
    btnCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel",
                      QRect(kClientWidth - kMargin - kButtonWidth, button_top, kButtonWidth, kButtonHeight));
    btnOK = Named(new QPushButton(QStringLiteral("OK"), this), "btnOK",
                  QRect(btnCancel->x() - 5 - kButtonWidth, button_top, kButtonWidth, kButtonHeight));
    btnOK->setDefault(true);
    ChainTabOrder({edtFind, lstGames, btnOK, btnCancel});
    connect(edtFind, &QLineEdit::textChanged, this, [this] { edtFindChange(); });
    connect(lstGames, &QListWidget::itemChanged, this, [this] { ShowCount(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmFavorites::FillList(const std::vector<std::string>& game_list) {
    const std::vector<int> favorites = ReadFavoriteGames(settings_);
    const QSignalBlocker quiet(lstGames);
    for (const std::string& entry : game_list) {
        const open_game::GameListItem game = open_game::ReadGameListEntry(entry);
        if (game.number < 0) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(game.name), lstGames);
        item->setData(kNumberRole, game.number);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(std::ranges::binary_search(favorites, game.number) ? Qt::Checked : Qt::Unchecked);
    }
    ShowCount();
}

bool TfrmFavorites::Edit() { return exec() == QDialog::Accepted; }

std::vector<int> TfrmFavorites::Ticked() const {
    std::vector<int> games;
    for (int row = 0; row < lstGames->count(); ++row) {
        const QListWidgetItem* item = lstGames->item(row);
        if (item->checkState() == Qt::Checked) games.push_back(item->data(kNumberRole).toInt());
    }
    std::ranges::sort(games);
    return games;
}

// A settings file that cannot be written is reported where every settings
// write is; the dialog stays open so the player may try again.
void TfrmFavorites::btnOKClick() {
    if (WriteFavoriteGames(settings_, Ticked())) accept();
}

void TfrmFavorites::edtFindChange() {
    const QString text = edtFind->text().trimmed();
    for (int row = 0; row < lstGames->count(); ++row) {
        QListWidgetItem* item = lstGames->item(row);
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
}

void TfrmFavorites::ShowCount() {
    const size_t count = Ticked().size();
    lblCount->setText(count == 1 ? QStringLiteral("1 favorite game")
                                 : QStringLiteral("%1 favorite games").arg(count));
}

}  // namespace velmora
