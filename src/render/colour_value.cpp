#include "render/colour_value.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <charconv>

namespace velmora {
namespace {

constexpr int64_t kSystemColourFlag = 0x80000000LL;

struct SystemColour {
    QPalette::ColorRole role;
    QRgb classic;  // without an application palette
};

// The system colours by index; the roles are the nearest this desktop has.
constexpr std::array<SystemColour, 31> kSystemColours = {{
    {QPalette::Dark, qRgb(212, 208, 200)},           // 0 scroll bar
    {QPalette::Window, qRgb(58, 110, 165)},          // 1 desktop
    {QPalette::Highlight, qRgb(10, 36, 106)},        // 2 active caption
    {QPalette::Mid, qRgb(128, 128, 128)},            // 3 inactive caption
    {QPalette::Window, qRgb(212, 208, 200)},         // 4 menu
    {QPalette::Base, qRgb(255, 255, 255)},           // 5 window
    {QPalette::Shadow, qRgb(0, 0, 0)},               // 6 window frame
    {QPalette::WindowText, qRgb(0, 0, 0)},           // 7 menu text
    {QPalette::Text, qRgb(0, 0, 0)},                 // 8 window text
    {QPalette::HighlightedText, qRgb(255, 255, 255)},  // 9 caption text
    {QPalette::Button, qRgb(212, 208, 200)},         // 10 active border
    {QPalette::Button, qRgb(212, 208, 200)},         // 11 inactive border
    {QPalette::Mid, qRgb(128, 128, 128)},            // 12 application workspace
    {QPalette::Highlight, qRgb(10, 36, 106)},        // 13 highlight
    {QPalette::HighlightedText, qRgb(255, 255, 255)},  // 14 highlighted text
    {QPalette::Button, qRgb(212, 208, 200)},         // 15 button face
    {QPalette::Dark, qRgb(128, 128, 128)},           // 16 button shadow
    {QPalette::PlaceholderText, qRgb(128, 128, 128)},  // 17 grey text
    {QPalette::ButtonText, qRgb(0, 0, 0)},           // 18 button text
    {QPalette::WindowText, qRgb(212, 208, 200)},     // 19 inactive caption text
    {QPalette::Light, qRgb(255, 255, 255)},          // 20 button highlight
    {QPalette::Shadow, qRgb(64, 64, 64)},            // 21 dark shadow
    {QPalette::Midlight, qRgb(212, 208, 200)},       // 22 light
    {QPalette::ToolTipText, qRgb(0, 0, 0)},          // 23 tool tip text
    {QPalette::ToolTipBase, qRgb(255, 255, 225)},    // 24 tool tip
    {QPalette::Button, qRgb(181, 181, 181)},         // 25 (unused)
    {QPalette::Link, qRgb(0, 0, 128)},               // 26 hot light
    {QPalette::Highlight, qRgb(166, 202, 240)},      // 27 gradient active caption
    {QPalette::Mid, qRgb(192, 192, 192)},            // 28 gradient inactive caption
    {QPalette::Highlight, qRgb(49, 106, 197)},       // 29 menu highlight
    {QPalette::Window, qRgb(236, 233, 216)},         // 30 menu bar
}};

QRgb SystemColourAt(int index) {
    const SystemColour& entry = kSystemColours[static_cast<size_t>(index)];
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return entry.classic;
    return QGuiApplication::palette().color(QPalette::Active, entry.role).rgb();
}

}  // namespace

QRgb ColourFromValue(int64_t value) {
    const int64_t bits = value & 0xFFFFFFFFLL;  // as the 32-bit value it was written from
    if (bits & kSystemColourFlag) {
        const int index = static_cast<int>(bits & 0xFF);
        // An index no system colour has reads as the button face, the table's own default.
        return SystemColourAt(index < static_cast<int>(kSystemColours.size()) ? index : 15);
    }
    return qRgb(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

int64_t DecimalField(const std::string& text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end ? value : 0;
}

}  // namespace velmora
