#include "ui/dialogs/custom_rules_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/model/games_file.h"
#include "engine/model/games_file_format.h"
#include "storage/custom_games_file.h"
#include "text/ascii_case.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

namespace gf = games_format;

struct NamedGame {
    int id;
    std::string name;
};

// The catalogue by name, then the player's own games.
std::vector<NamedGame> BaseGames(const TMainGame& game_state, const GamesData& games) {
    std::vector<NamedGame> list;
    for (const std::string& line : game_state.Catalogue()) {
        int64_t id = -1;
        if (ParseInt(Columns(line, gf::kIdColumn, gf::kIdWidth), id))
            list.push_back({static_cast<int>(id), TrimRightSpaces(Columns(line, gf::kNameColumn, gf::kNameWidth))});
    }
    std::sort(list.begin(), list.end(), [](const NamedGame& a, const NamedGame& b) {
        return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                            [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
    });
    for (const CustomGame& custom : games.custom) list.push_back({custom.id, custom.name + " (your game)"});
    return list;
}

QComboBox* Combo(QWidget* parent, const char* name, std::initializer_list<std::pair<const char*, int>> items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const auto& [text, value] : items) combo->addItem(QString::fromUtf8(text), value);
    return combo;
}

// Shows `value` in the combo, or greys it when the game does not offer it.
template <typename T>
void Show(QComboBox* combo, const std::optional<T>& value) {
    combo->setEnabled(value.has_value());
    if (value) combo->setCurrentIndex(combo->findData(static_cast<int>(*value)));
}

template <typename T>
std::optional<T> Read(const QComboBox* combo) {
    if (!combo->isEnabled()) return std::nullopt;
    return static_cast<T>(combo->currentData().toInt());
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

TfrmCustomRules::TfrmCustomRules(const TMainGame& game_state, const GamesData& games, int start_game,
                                 InfoHook show_info, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_state_(game_state),
      games_(games),
      show_info_(std::move(show_info)) {
    setObjectName("frmCustomRules");
    setWindowTitle("Customize rules");
    BuildWidgets();
    FillBaseGames(start_game);
    connect(cboBaseGame, &QComboBox::currentIndexChanged, this, [this] { BaseGameChanged(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    BaseGameChanged();
}

void TfrmCustomRules::BuildWidgets() {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* form = new QFormLayout;
    column->addLayout(form);
    cboBaseGame = new QComboBox(this);
    cboBaseGame->setObjectName("cboBaseGame");
    form->addRow("Start from &game:", cboBaseGame);
    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    edtName->setMaxLength(gf::kNameWidth);
    edtName->setMinimumWidth(260);
    // Printable characters except '#', which starts a comment in the file.
    edtName->setValidator(new QRegularExpressionValidator(QRegularExpression("[ -\"$-~]*"), edtName));
    form->addRow("&Name of your game:", edtName);
    spnCardsPerPress = new QSpinBox(this);
    spnCardsPerPress->setObjectName("spnCardsPerPress");
    spnCardsPerPress->setRange(1, kMaxCardsPerPress);
    form->addRow("&Cards turned per stock press:", spnCardsPerPress);
    cboPasses = Combo(this, "cboPasses", {{"Unlimited", kUnlimitedPasses}, {"1 (no redeal)", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}});
    form->addRow("&Passes through the stock:", cboPasses);
    spnFreeCells = new QSpinBox(this);
    spnFreeCells->setObjectName("spnFreeCells");
    form->addRow("&Free cells:", spnFreeCells);
    cboSpace = Combo(this, "cboSpace", {{"Any card", static_cast<int>(SpaceRule::kAnyCard)},
                                        {"Kings only", static_cast<int>(SpaceRule::kKingsOnly)},
                                        {"Nothing", static_cast<int>(SpaceRule::kNothing)}});
    form->addRow("An empty &space takes:", cboSpace);
    cboBuild = Combo(this, "cboBuild", {{"Down in alternate colours", static_cast<int>(TableauBuild::kAlternateColours)},
                                        {"Down in the same suit", static_cast<int>(TableauBuild::kSameSuit)},
                                        {"Down in any suit", static_cast<int>(TableauBuild::kAnySuit)}});
    form->addRow("&Building in the tableau:", cboBuild);
    cboRuns = Combo(this, "cboRuns", {{"Whole runs", static_cast<int>(RunMoves::kWholeRuns)},
                                      {"One card at a time", static_cast<int>(RunMoves::kCardByCard)}});
    form->addRow("Cards &move:", cboRuns);
    cboFoundations = Combo(this, "cboFoundations", {{"Aces, building up", static_cast<int>(FoundationStart::kAcesUp)},
                                                    {"Kings, building down", static_cast<int>(FoundationStart::kKingsDown)}});
    form->addRow("F&oundations start with:", cboFoundations);
    lblNotOffered = new QLabel(this);
    lblNotOffered->setObjectName("lblNotOffered");
    lblNotOffered->setWordWrap(true);
    column->addWidget(lblNotOffered);
    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    btnCancel->setObjectName("btnCancel");
    column->addWidget(buttons);
}

void TfrmCustomRules::FillBaseGames(int start_game) {
    for (const NamedGame& game : BaseGames(game_state_, games_))
        cboBaseGame->addItem(QString::fromStdString(game.name), game.id);
    const int at = cboBaseGame->findData(start_game);
    cboBaseGame->setCurrentIndex(at >= 0 ? at : 0);
}

void TfrmCustomRules::BaseGameChanged() {
    const int id = cboBaseGame->currentData().toInt();
    if (!ReadRulesRow(game_state_, games_, id, base_row_)) base_row_ = RulesRow{};
    base_id_ = RulesTopicGame(games_, id);
    const std::string name = GameName(game_state_, games_, id);
    edtName->setText(QString::fromStdString(("My " + name).substr(0, gf::kNameWidth)));
    const VariantChoices c = ChoicesOf(base_row_);
    spnCardsPerPress->setEnabled(c.cards_per_press.has_value());
    spnCardsPerPress->setValue(c.cards_per_press.value_or(1));
    Show(cboPasses, c.passes);
    spnFreeCells->setRange(0, std::max(0, MaxFreeCells(base_row_)));
    spnFreeCells->setEnabled(c.free_cells.has_value());
    spnFreeCells->setValue(c.free_cells.value_or(0));
    Show(cboSpace, c.space);
    Show(cboBuild, c.build);
    Show(cboRuns, c.runs);
    Show(cboFoundations, c.foundations);
    std::vector<std::string> missing;
    if (!c.cards_per_press) missing.push_back("no stock turned to a waste");
    if (!c.free_cells) missing.push_back("no free cells, and no room in its layout for them");
    if (!c.build) missing.push_back("a tableau rule of its own");
    if (!c.foundations) missing.push_back("foundations of its own kind");
    std::string note;
    for (const std::string& m : missing) note += (note.empty() ? "" : "; ") + m;
    lblNotOffered->setText(note.empty() ? QString()
                                        : QString::fromStdString(name + " has " + note + ": those choices are greyed."));
}

VariantChoices TfrmCustomRules::Choices() const {
    VariantChoices c;
    if (spnCardsPerPress->isEnabled()) c.cards_per_press = spnCardsPerPress->value();
    c.passes = Read<int>(cboPasses);
    if (spnFreeCells->isEnabled()) c.free_cells = spnFreeCells->value();
    c.space = Read<SpaceRule>(cboSpace);
    c.build = Read<TableauBuild>(cboBuild);
    c.runs = Read<RunMoves>(cboRuns);
    c.foundations = Read<FoundationStart>(cboFoundations);
    return c;
}

bool TfrmCustomRules::NameTaken(const std::string& name) const {
    for (const std::string& line : game_state_.Catalogue())
        if (SameName(TrimRightSpaces(Columns(line, gf::kNameColumn, gf::kNameWidth)), name)) return true;
    return std::any_of(games_.custom.begin(), games_.custom.end(),
                       [&](const CustomGame& g) { return SameName(g.name, name); });
}

void TfrmCustomRules::btnOKClick() {
    const std::string name = edtName->text().trimmed().toStdString();
    std::string problem;
    if (!IsValidVariantName(name))
        problem = "Please give your game a name of 1 to 50 characters (letters, digits, spaces and punctuation, no '#').";
    else if (NameTaken(name))
        problem = "There is already a game called \"" + name + "\". Please choose another name.";
    if (!problem.empty()) {
        if (show_info_) show_info_(problem);
        edtName->setFocus();
        edtName->selectAll();
        return;
    }
    variant_ = CustomGame{};
    variant_.base = base_id_;
    variant_.name = name;
    variant_.entries = ApplyChoices(base_row_, Choices());
    accept();
}

}  // namespace velmora
