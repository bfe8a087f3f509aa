// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"
#include "calc/doserate.h"
#include "settings/defaults.h"
#include "ui/programlook.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// A window told as data: its boxes with their captions and tooltips, the captions that follow
// the unit system, its headings, its buttons and what each press checks, reads and writes, and
// what the window reads of the defaults when it opens. ui::WindowBehaviour turns it into the
// window's behaviour; the window's class holds only its form, its description and the
// calculations behind its buttons.
//
// Every word is the English source text of a translation: marked with QT_TR_NOOP in the
// window's description() (the window's class is the translation context) or, for words that
// several windows share, with QT_TRANSLATE_NOOP and their own context.
namespace ui {

// Words that may differ between the unit systems.
struct Words
{
    const char* imperial = nullptr;
    const char* metric = nullptr;  // nullptr: the same as in Imperial
    const char* context = nullptr; // nullptr: the window's own context

    // The words of units, translated; the empty text for no words.
    QString in(calc::UnitSystem units, const char* windowContext) const;
};

enum class Role
{
    Input,  // white, typed into
    Output, // grey and read-only: what a calculation writes
};

// One box of a window, named by the object name of the form's control.
struct Box
{
    const char* name;
    Role role;
    const char* caption;       // the label a screen reader names the box by
    Words tip;                 // its tooltip, and the description a screen reader reads
    const char* row = nullptr; // a heading said before the caption ("Oval" "Length")
};

// A caption whose words follow the unit system.
struct UnitCaption
{
    const char* label;
    Words words;
};

struct Heading
{
    const char* label;
    qreal points;
    Slant slant = Slant::Upright;
};

// When a press reads the unit system, relative to checking its required boxes. The formulas
// follow the store at every press, even where the captions, set when the window opened, no
// longer do.
enum class UnitsRead
{
    BeforeCheck,
    AfterCheck,
    Never, // the calculation is the same in both unit systems
};

// A reading that is no number: raised by Press::number and shown to the user by RunHandler.
struct NotANumber
{
    const char* box;
    QString text;
};

// What a button's calculation is given and what it gives back: the unit system read for this
// press, the boxes' texts, read as numbers in the order the calculation asks for them, and the
// output texts, written only once the calculation has succeeded.
class Press
{
public:
    using TextOf = std::function<QString(const char* box)>;

    Press(std::optional<calc::UnitSystem> units, TextOf textOf)
        : m_units(units), m_textOf(std::move(textOf))
    {
    }

    // The unit system; only for a button that reads it.
    calc::UnitSystem units() const;
    bool isEmpty(const char* box) const { return m_textOf(box).isEmpty(); }
    // The number in box; a text that is no number raises NotANumber and ends the press.
    double number(const char* box) const;

    struct Output
    {
        const char* box;
        QString text;
    };
    void show(const char* box, QString text) { m_outputs.push_back({box, std::move(text)}); }
    // What is shown so far is written even when a later reading or calculation fails.
    void keepShown() { m_kept = m_outputs.size(); }

    const std::vector<Output>& outputs() const { return m_outputs; }
    std::size_t kept() const { return m_kept; }

private:
    std::optional<calc::UnitSystem> m_units;
    TextOf m_textOf;
    std::vector<Output> m_outputs;
    std::size_t m_kept = 0;
};

struct Button
{
    const char* name;
    std::vector<const char*> enterBoxes; // Enter in one of these presses the button
    std::vector<const char*> required;   // checked in this order before the calculation
    const char* requiredMessage;         // one of the kFill texts, for a required box left empty
    UnitsRead units;
    void (*calculate)(Press& press);
    const char* accessibleName = nullptr; // where the button's caption does not say what it does
};

// What a window reads of the defaults when it opens, in this order.
struct Load
{
    std::vector<defaults::Default> reads;
    defaults::OnFailure onFailure = defaults::OnFailure::ReadTheRest;
    const char* poolSizeBox = nullptr;
    const char* bleachStrengthBox = nullptr;
};

// Sets up a window's Designer form: the form of WindowDescription.
template <typename Form> void SetUpForm(QWidget* window)
{
    Form().setupUi(window);
}

struct WindowDescription
{
    void (*form)(QWidget* window) = nullptr; // SetUpForm<Ui::FormN>; none for the main window
    std::vector<Box> boxes;
    std::vector<UnitCaption> unitCaptions;
    std::vector<Heading> headings;
    std::vector<Button> buttons;
    Load load;
    bool withIcon = true;
};

// The calculation of a window that doses a product for a wanted rise: reads the pool size in
// txtGal, then the rise in txtPPM, and shows the weight to add in box.
void ShowDose(Press& press, const calc::DoseRate& rate, const char* box);

// What most calculator windows read when they open: the pool size into txtGal, then the unit
// system, a failure of one not stopping the other.
Load PoolSizeThenUnits();

// The words several windows share.
Words PoolSizeCaptionWords();
Words PoolSizeTipWords();

} // namespace ui
