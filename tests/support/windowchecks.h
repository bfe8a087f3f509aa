// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class WindowKeeper;

// Checks shared by the window tests. Each returns what is wrong, or an empty text/list.

// A control's place in twips: left, top, width, height (15 twips to the pixel).
struct Place
{
    const char* name;
    int left, top, width, height;
};
QString MisplacedControls(const QWidget* window, const QList<Place>& places);

// The names of the widgets that Tab visits, starting at start, for `count` presses.
QStringList TabOrder(QWidget* window, QWidget* start, int count);

// Closes every window keeper holds, and lets Qt delete them.
void CloseEveryWindow(WindowKeeper& keeper);

// Grey (RGB 192, 192, 192) background of a text box.
bool IsGrey(const QWidget* box);
