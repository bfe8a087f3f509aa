// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/windowcatalog.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

// The keyboard paths and what a screen reader is handed, as tests/support/keyboard-and-names.json
// gives them. The Linux tests and the Wine test (tests/windows/keyboard_and_reader.py) read
// that one file, so that Windows is held to the same table.
namespace keys {

// From the box that has the focus when the window opens, round; empty for a window with
// nothing to type or press.
struct TabOrder
{
    WindowKind kind;
    QStringList order;
};
std::vector<TabOrder> TabOrders();

// White boxes and the button Enter in them presses; a window without a white box has one row
// with no button and no boxes.
struct EnterBoxes
{
    WindowKind kind;
    QString button;
    QStringList boxes;
};
std::vector<EnterBoxes> Enter();

// A press refused for an empty box: what the boxes hold before it, and where the cursor goes.
struct Refusal
{
    QByteArray tag;
    WindowKind kind;
    QString button;
    QJsonObject boxes; // box -> text
    QString empty;
};
std::vector<Refusal> Refusals();

// What a screen reader hears of a box: the same in both unit systems when metric is null.
struct Words
{
    QByteArray tag;
    WindowKind kind;
    QString box;
    QString imperial;
    QString metric;
};
std::vector<Words> Names();
std::vector<Words> Descriptions();

struct ButtonName
{
    QByteArray tag;
    WindowKind kind;
    QString button;
    QString name;
};
std::vector<ButtonName> Buttons();

// The More Calcs menu's entries in order, and those switched off.
QStringList MenuEntries();
QStringList SwitchedOff();

} // namespace keys
