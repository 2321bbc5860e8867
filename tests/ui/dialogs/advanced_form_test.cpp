#include "ui/dialogs/advanced_form.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <set>
#include <string>

#include "qt_test_app.h"

namespace velmora {
namespace {

FontCheck Installed(std::set<std::string> families) {
    return [families = std::move(families)](std::string_view family) {
        return families.count(std::string(family)) > 0;
    };
}

QFont Named(const char* family) {
    QFont font;
    font.setFamily(QString::fromLatin1(family));
    return font;
}

TEST(AdvancedFormFont, TheFallbackIsTheNearestInstalledSansFont) {
    struct Case {
        std::set<std::string> installed;
        bool missing;
        const char* fallback;
    };
    const Case cases[] = {
        {{"Tahoma", "DejaVu Sans"}, false, "DejaVu Sans"},
        {{"DejaVu Sans", "Liberation Sans"}, true, "DejaVu Sans"},
        {{"MS Sans Serif", "DejaVu Sans"}, true, "MS Sans Serif"},
        {{"Verdana", "DejaVu Sans"}, true, "Verdana"},
        {{"Noto Sans"}, true, "Noto Sans"},
    };
    for (const Case& c : cases) {
        const FormFontChoice choice = ChooseFormFont(Installed(c.installed));
        EXPECT_EQ(choice.tahoma_missing, c.missing) << c.fallback;
        EXPECT_EQ(choice.fallback.toStdString(), c.fallback);
    }
}

// A form as the windows build theirs: some components ask for "Tahoma" by
// name, others for another font, others inherit the form's.
class SampleForm : public QDialog {
public:
    SampleForm() {
        setFont(Named("Tahoma"));
        for (QWidget* w : std::initializer_list<QWidget*>{label, group, button, panel, notebook, grid, edit})
            w->setFont(Named("Tahoma"));
        other_label->setFont(Named("Courier New"));
    }
    QLabel* label = new QLabel("label", this);
    QLabel* other_label = new QLabel("other", this);
    QLabel* inheriting = new QLabel("inherits", this);
    QGroupBox* group = new QGroupBox("group", this);
    QPushButton* button = new QPushButton("button", this);
    QFrame* panel = new QFrame(this);
    QTabWidget* notebook = new QTabWidget(this);
    QTableWidget* grid = new QTableWidget(2, 2, this);
    QLineEdit* edit = new QLineEdit(this);  // no kind of the rule
};

TEST(AdvancedFormFont, WithoutTahomaItsComponentsTakeTheFallback) {
    test::EnsureApplication();
    SampleForm form;
    form.notebook->addTab(new QWidget, "page");
    ApplyAdvancedFormFont(form, ChooseFormFont(Installed({"DejaVu Sans"})));
    EXPECT_EQ(form.font().family(), "DejaVu Sans");
    for (QWidget* w : std::initializer_list<QWidget*>{form.label, form.group, form.button, form.panel, form.notebook,
                                                      form.notebook->tabBar(), form.grid, form.inheriting})
        EXPECT_EQ(w->font().family(), "DejaVu Sans") << w->metaObject()->className();
    EXPECT_EQ(form.other_label->font().family(), "Courier New") << "another font stays";
    EXPECT_EQ(form.edit->font().family(), "Tahoma") << "not a component the rule changes";
}

TEST(AdvancedFormFont, WithTahomaNothingChanges) {
    test::EnsureApplication();
    SampleForm form;
    ApplyAdvancedFormFont(form, ChooseFormFont(Installed({"Tahoma", "DejaVu Sans"})));
    EXPECT_EQ(form.font().family(), "Tahoma");
    EXPECT_EQ(form.label->font().family(), "Tahoma");
    EXPECT_EQ(form.other_label->font().family(), "Courier New");
}

}  // namespace
}  // namespace velmora
