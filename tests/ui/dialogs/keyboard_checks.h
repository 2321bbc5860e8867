#pragma once
// What a player without a mouse meets in a window: the letters Alt picks
// (mnemonics), the controls Tab reaches and in which order, and whether
// Return has a default button to press. The checks answer with readable
// lists (empty when all is well) so a failure names the controls.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace velmora::keyboard_test {

// The letter a caption underlines ("Sho&w" -> 'w'); "&&" is a plain ampersand.
inline std::optional<QChar> Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return std::nullopt;
}

inline QString Describe(const QWidget* widget) {
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName();
    return text.isEmpty() ? name : name + " \"" + text + "\"";
}

// The captions whose mnemonics work as the window stands: visible buttons,
// labels naming a field, group titles and the tabs of visible notebooks.
inline std::vector<std::pair<QString, QString>> VisibleCaptions(const QWidget& window) {
    std::vector<std::pair<QString, QString>> captions;  // caption, owner
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            captions.emplace_back(button->text(), Describe(widget));
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->buddy()) captions.emplace_back(label->text(), Describe(widget));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            captions.emplace_back(group->title(), Describe(widget));
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i)) captions.emplace_back(tabs->tabText(i), "tab \"" + tabs->tabText(i) + "\"");
        }
    }
    return captions;
}

// "x: A, B" for every letter two visible controls claim.
inline QStringList MnemonicClashes(const QWidget& window) {
    std::map<QChar, QStringList> owners;
    for (const auto& [caption, owner] : VisibleCaptions(window))
        if (const std::optional<QChar> letter = Mnemonic(caption)) owners[*letter] << owner;
    QStringList clashes;
    for (const auto& [letter, names] : owners)
        if (names.size() > 1) clashes << QString(letter) + ": " + names.join(", ");
    return clashes;
}

// Return and Escape stand for these; every other control needs a letter.
inline bool ReturnOrEscapeButton(const QString& caption) {
    return caption == "OK" || caption == "Cancel" || caption == "Close";
}

// A field a player types or picks in: a line edit, a combo box or a spin
// box, not the line edit inside one of the others.
inline bool IsField(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent)) return false;
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget);
}

inline bool NamedByALabel(const QWidget& window, const QWidget& field) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == &field && label->isVisibleTo(&window)) return true;
    return false;
}

// Visible buttons and check boxes without a mnemonic, fields no label with
// a mnemonic names, and labels that show an ampersand because no field is
// their buddy.
inline QStringList MissingMnemonics(const QWidget& window) {
    QStringList missing;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) continue;
        if (IsField(*widget) && !NamedByALabel(window, *widget)) missing << Describe(widget) + " (no label)";
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            const QString caption = button->text();
            if (!caption.isEmpty() && !ReturnOrEscapeButton(caption) && !Mnemonic(caption))
                missing << Describe(widget);
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const bool marked = Mnemonic(label->text()).has_value();
            const bool plain = !Qt::mightBeRichText(label->text());
            if (label->buddy() ? !marked : plain && marked) missing << Describe(widget);
        }
    }
    return missing;
}

// The push button Return presses, when one is visible.
inline const QPushButton* DefaultButton(const QWidget& window) {
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisibleTo(&window)) return button;
    return nullptr;
}

// Whether a visible button is one Return is expected to press.
inline bool OffersDefaultCommand(const QWidget& window) {
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QString caption = QString(button->text()).remove(u'&');
        if (button->isVisibleTo(&window) &&
            (caption == "OK" || caption == "Close" || caption.startsWith("Play")))
            return true;
    }
    return false;
}

// The control focus stands for: a line edit inside a spin box stands for the spin box.
inline QWidget* FocusOwner(QWidget* widget) {
    while (widget && widget->parentWidget() && widget->parentWidget()->focusProxy() == widget)
        widget = widget->parentWidget();
    return widget;
}

// Every enabled, visible control Tab is meant to reach.
inline std::vector<QWidget*> TabStops(const QWidget& window) {
    std::vector<QWidget*> stops;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->focusProxy() || !widget->isVisibleTo(&window) || !widget->isEnabled()) continue;
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        stops.push_back(FocusOwner(widget));
    }
    return stops;
}

// Shows the window as the active one, with the keyboard in it.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) return false;
    if (!QApplication::focusWidget()) window.nextInFocusChain()->setFocus(Qt::TabFocusReason);
    return true;
}

// A key pressed and let go where the keyboard is.
inline void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (focus) QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

// The controls Tab (or Shift+Tab) visits from the one with focus until it
// comes back there, the first included; a walk that never comes back ends
// after `limit` presses and names the control it ended on last.
struct TabWalkResult {
    std::vector<QWidget*> visited;
    bool came_back = false;
};

inline TabWalkResult WalkTabs(bool forward, int limit) {
    TabWalkResult walk;
    QWidget* start = FocusOwner(QApplication::focusWidget());
    walk.visited.push_back(start);
    for (int i = 0; i < limit; ++i) {
        Press(forward ? Qt::Key_Tab : Qt::Key_Backtab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        QWidget* now = FocusOwner(QApplication::focusWidget());
        if (now == start) {
            walk.came_back = true;
            break;
        }
        if (now != walk.visited.back()) walk.visited.push_back(now);
    }
    return walk;
}

inline QStringList Names(const std::vector<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets) names << (widget ? Describe(widget) : QString("(nothing)"));
    return names;
}

// Runs `check` once for each page of every notebook of the window, each
// notebook going through its pages while the others stay as they are.
inline void ForEachPage(QWidget& window, const std::function<void(const QString& page)>& check) {
    const QList<QTabWidget*> notebooks = window.findChildren<QTabWidget*>();
    if (notebooks.isEmpty()) check(QString());
    for (QTabWidget* notebook : notebooks) {
        const int shown = notebook->currentIndex();
        for (int i = 0; i < notebook->count(); ++i) {
            notebook->setCurrentIndex(i);
            check(notebook->tabText(i));
        }
        notebook->setCurrentIndex(shown);
    }
}

}  // namespace velmora::keyboard_test
