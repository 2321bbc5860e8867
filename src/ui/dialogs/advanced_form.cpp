#include "ui/dialogs/advanced_form.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>

#include <array>

#include "platform/fonts.h"

namespace velmora {
namespace {

const QString kTahoma = QStringLiteral("Tahoma");

// Nearest to Tahoma first: the font the forms fall back to elsewhere, its
// successor, Tahoma's wide sibling, then the common sans fonts of Linux.
constexpr std::array<std::string_view, 7> kFallbacks = {
    "MS Sans Serif", "Microsoft Sans Serif", "Verdana", "DejaVu Sans",
    "Liberation Sans", "Arial", "Noto Sans"};

void ReplaceTahoma(QWidget& widget, const QString& fallback) {
    QFont font = widget.font();
    if (font.family() != kTahoma) return;
    font.setFamily(fallback);
    widget.setFont(font);
}

// Plain frames are the forms' panels; labels and other frames are not.
bool IsPanel(const QWidget& widget) {
    return widget.metaObject() == &QFrame::staticMetaObject;
}

bool TakesTheRule(const QWidget& widget) {
    return qobject_cast<const QLabel*>(&widget) || qobject_cast<const QGroupBox*>(&widget) ||
           qobject_cast<const QPushButton*>(&widget) || qobject_cast<const QTabWidget*>(&widget) ||
           qobject_cast<const QTableView*>(&widget) || IsPanel(widget);
}

}  // namespace

FormFontChoice ChooseFormFont(const FontCheck& installed) {
    FormFontChoice choice;
    choice.tahoma_missing = !installed("Tahoma");
    for (std::string_view family : kFallbacks) {
        if (!installed(family)) continue;
        choice.fallback = QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
        return choice;
    }
    choice.fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return choice;
}

const FormFontChoice& ProgramFormFont() {
    static const FormFontChoice choice = ChooseFormFont(FontInstalled);
    return choice;
}

void ApplyAdvancedFormFont(QWidget& form) { ApplyAdvancedFormFont(form, ProgramFormFont()); }

void ApplyAdvancedFormFont(QWidget& form, const FormFontChoice& choice) {
    if (!choice.tahoma_missing) return;
    QFont font = form.font();
    font.setFamily(choice.fallback);
    form.setFont(font);
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (!TakesTheRule(*child)) continue;
        ReplaceTahoma(*child, choice.fallback);
        if (auto* notebook = qobject_cast<QTabWidget*>(child)) ReplaceTahoma(*notebook->tabBar(), choice.fallback);
    }
}

}  // namespace velmora
