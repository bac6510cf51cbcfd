#include "shell/ApplicationLook.h"

namespace ApplicationLook {

namespace {

struct Colours {
    QColor window, button, base, alternate, text, windowText, highlight, highlightedText, dark;
};

QPalette Make(const Colours& c) {
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.windowText);
    p.setColor(QPalette::Button, c.button);
    p.setColor(QPalette::ButtonText, c.windowText);
    p.setColor(QPalette::Base, c.base);
    p.setColor(QPalette::AlternateBase, c.alternate);
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xe1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Highlight, c.highlight);
    p.setColor(QPalette::HighlightedText, c.highlightedText);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, c.button.lighter(130));
    p.setColor(QPalette::Midlight, c.button.lighter(110));
    p.setColor(QPalette::Mid, c.dark.lighter(130));
    p.setColor(QPalette::Dark, c.dark);
    p.setColor(QPalette::Shadow, c.dark.darker(160));
    p.setColor(QPalette::Link, c.highlight.darker(130));
    p.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    // Disabled texts halfway to their background, readable on the dark look as on the light ones.
    const auto mix = [](const QColor& a, const QColor& b) {
        return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                      (a.blue() + b.blue()) / 2);
    };
    p.setColor(QPalette::Disabled, QPalette::WindowText, mix(c.window, c.windowText));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, mix(c.button, c.windowText));
    p.setColor(QPalette::Disabled, QPalette::Text, mix(c.base, c.text));
    // A disabled field on the window's colour, so an empty one does not pass for one to fill.
    p.setColor(QPalette::Disabled, QPalette::Base, c.window);
    return p;
}

} // namespace

bool IsLook(int id) {
    return (id >= 205 && id <= 210) || (id >= 215 && id <= 219);
}

int Normalized(int id) {
    return IsLook(id) ? id : kDefault;
}

bool UsesNativeStyle(int id) {
    return Normalized(id) < 215 || Normalized(id) == 219;
}

QPalette Palette(int id) {
    switch (Normalized(id)) {
    case 216: // black: dark chrome around white lists
        return Make({QColor(0x4b, 0x4f, 0x55), QColor(0x5c, 0x61, 0x68), Qt::white,
                     QColor(0xec, 0xed, 0xef), Qt::black, QColor(0xf2, 0xf2, 0xf2),
                     QColor(0xf2, 0xa4, 0x3a), Qt::black, QColor(0x2b, 0x2d, 0x31)});
    case 217: // silver
        return Make({QColor(0xe4, 0xe7, 0xeb), QColor(0xee, 0xf0, 0xf3), Qt::white,
                     QColor(0xf1, 0xf2, 0xf4), Qt::black, QColor(0x20, 0x24, 0x2a),
                     QColor(0x8a, 0x9a, 0xae), Qt::white, QColor(0x9a, 0xa1, 0xab)});
    case 218: // aqua
        return Make({QColor(0xd4, 0xe8, 0xea), QColor(0xe2, 0xf1, 0xf2), Qt::white,
                     QColor(0xea, 0xf5, 0xf6), Qt::black, QColor(0x10, 0x3a, 0x40),
                     QColor(0x2f, 0x9c, 0xa8), Qt::white, QColor(0x7f, 0xa9, 0xae)});
    default: // 215, blue
        return Make({QColor(0xd5, 0xe3, 0xf4), QColor(0xe4, 0xee, 0xfa), Qt::white,
                     QColor(0xea, 0xf1, 0xfb), Qt::black, QColor(0x15, 0x42, 0x8b),
                     QColor(0x3d, 0x7b, 0xcc), Qt::white, QColor(0x87, 0xa3, 0xc8)});
    }
}

} // namespace ApplicationLook
