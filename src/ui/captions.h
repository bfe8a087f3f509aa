// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

#include <initializer_list>
#include <vector>

class QLabel;
class QWidget;

// The captions of a window's boxes: the names a screen reader gives the boxes, the captions
// whose words follow the unit system, and what each box holds, told in its tooltip.
namespace ui {

// A box and the caption a screen reader names it by. A heading adds the row the box stands in
// where the caption alone is ambiguous: "Oval" and "Length" name the box "Oval Length".
struct Caption
{
    QWidget* box;
    QLabel* label;
    QLabel* heading = nullptr;
};

// Names each box by its caption. A caption becomes its box's buddy, so the name follows the
// caption's text as a load step sets it for the unit system. A caption shared with a box
// before, or joined with a heading, is copied once: those captions never change.
void NameByCaptions(std::initializer_list<Caption> captions);

// A caption in the words of each unit system.
struct UnitCaption
{
    QLabel* label;
    const char* imperial;
    const char* metric;
};

// Gives every label the text of units, in the order listed.
void ShowUnitCaptions(calc::UnitSystem units, std::initializer_list<UnitCaption> captions);

// "Pool Size (Gal.)" or "Pool Size (L)", the caption of most windows' pool size box.
UnitCaption PoolSizeCaption(QLabel* label);

// What a box holds, with its unit and, for a dose, the product, in the words of each unit
// system; metric may be left out where both say the same.
struct BoxTip
{
    QWidget* box;
    const char* imperial;
    const char* metric = nullptr;
};

// Gives every box the words of units as its tooltip and as the description a screen reader
// reads after the box's name.
void ShowBoxTips(calc::UnitSystem units, const std::vector<BoxTip>& tips);

// The pool size box of a calculator window.
BoxTip PoolSizeTip(QWidget* box);

} // namespace ui
