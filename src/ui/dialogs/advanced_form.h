#pragma once
// The font rule every window of the program applies when it is built
// (C_TAdvancedForm). The windows are laid out for "Tahoma"; where that font
// is not installed, the form and its labels, group boxes, buttons, panels,
// tabbed notebooks and grids that ask for "Tahoma" by name use the nearest
// installed sans font instead. A component given another font keeps it.

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace velmora {

// The program-wide choice, made once per run.
struct FormFontChoice {
    bool tahoma_missing = false;
    QString fallback;  // the family used for "Tahoma" when it is missing
};

// Whether a font family is installed (case-insensitive).
using FontCheck = std::function<bool(std::string_view family)>;

// Decides with `installed`: Tahoma there or not, and which installed family
// stands in for it ("MS Sans Serif" first, then fonts of the same build,
// then the system's general font).
FormFontChoice ChooseFormFont(const FontCheck& installed);

// The choice for this run, decided by the first form that asks (needs the
// application to exist, since it looks at the installed fonts).
const FormFontChoice& ProgramFormFont();

// Applies the rule to a form: nothing when Tahoma is installed.
void ApplyAdvancedFormFont(QWidget& form);
void ApplyAdvancedFormFont(QWidget& form, const FormFontChoice& choice);

}  // namespace velmora
