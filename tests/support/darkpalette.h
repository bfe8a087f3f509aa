// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// The colours a dark desktop hands the Fusion style (Qt 6.5 and later do on GNOME, KDE and
// Windows in dark mode): light text on dark windows, buttons and boxes.
inline QPalette DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xf0, 0xf0, 0xf0);
    QPalette palette(text, window, window.lighter(130), window.darker(150), window.darker(120),
                     text, Qt::white, QColor(0x2a, 0x2a, 0x2a), window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x7f, 0x7f, 0x7f));
    return palette;
}
