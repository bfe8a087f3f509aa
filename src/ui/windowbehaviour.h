// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windowdescription.h"
#include "ui/windowservices.h"

#include <QWidget>

#include <vector>

class QLineEdit;

namespace ui {

// Turns a window's description into its behaviour: grey outputs, the boxes named by their
// captions, tooltips and captions in the words of the unit system, the headings' fonts, each
// button wired to its calculation, and the defaults read when the window opens. The window's
// form is set up first. type is the window's class, whose name is the translation context of
// its description's words.
class WindowBehaviour
{
public:
    WindowBehaviour(QWidget* window, const QMetaObject& type, const WindowServices& services,
                    const WindowDescription& description);

    // Reads the defaults the description names, fills their boxes, and gives captions and
    // tooltips the words of the unit system read, or the Metric words (as on a fresh
    // installation) where it was not read; then raises the first failure met.
    void load();

private:
    void press(const Button& button);
    void showUnitWords(calc::UnitSystem units);
    QLineEdit* lineEdit(const char* name) const;

    QWidget* m_window;
    const char* m_context;
    WindowServices m_services;
    const WindowDescription& m_description;
};

// Names each box by its caption, with its row's heading before it where it has one. A caption
// becomes its box's buddy, so the name follows the caption's words as the unit system changes
// them; a caption shared with a box before, or joined with a row, is copied once: those
// captions never change.
void NameBoxes(QWidget* window, const std::vector<Box>& boxes);

// Gives every box the words of its tip in units, as its tooltip and as the description a
// screen reader reads after the box's name. context: the window's translation context.
void ShowBoxTips(QWidget* window, const std::vector<Box>& boxes, calc::UnitSystem units,
                 const char* context);

// The control of window called name; a description naming a control the form lacks is a fault
// of the program, which stops it.
template <typename Control> Control* Find(const QWidget* window, const char* name)
{
    auto* control = window->findChild<Control*>(QLatin1String(name));
    if (control == nullptr)
        qFatal("%s has no control %s", window->metaObject()->className(), name);
    return control;
}

} // namespace ui
