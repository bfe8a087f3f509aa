#pragma once

#include "calc/conversions.h"

#include <QString>

#include <functional>
#include <initializer_list>

class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The behaviour every window shares: its look, the unit system, the required-field check,
// reading a number from a box, and the one place where a failure meets the user.
namespace ui {

// The messages of the required-field check.
inline constexpr char kFillAllWhiteBoxes[] =
    "Please fill in all white boxes before hitting calculate!";
inline constexpr char kFillAllFields[] = "Please fill in all fields before hitting calculate!";
inline constexpr char kFillPpmIncrease[] =
    "Please fill in how much PPM increase is required before hitting calculate!";

// The program-wide font ("MS Sans Serif" 8.25 pt or the closest font at hand) and style.
void ApplyProgramLook();

// A fixed client size, as laid out, and the pool icon unless withIcon is false.
void SetUpWindow(QWidget* window, bool withIcon = true);
QIcon PoolIcon();
// A heading's font: the scalable font closest to the program's, in the given size and style.
void SetFont(QWidget* widget, qreal points, bool bold, bool italic);

// Grey, read-only boxes that a calculation writes and never reads.
void MakeOutputBoxes(std::initializer_list<QWidget*> boxes);

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

// Enter (or Return) in any of boxes presses button.
void PressOnEnter(const QList<QLineEdit*>& boxes, QPushButton* button);

// The unit system of the stored "UOM", read afresh at every call.
calc::UnitSystem ReadUnitSystem();

// Puts the stored "PoolSize" into box as it is: no parsing, no formatting.
void FillPoolSize(QLineEdit* box);

// "Pool Size (Gal.)" or "Pool Size (L)".
QString PoolSizeCaption(calc::UnitSystem units);

// True when no box is empty (a blank is not empty). Otherwise beeps, shows message in a modal
// warning and gives false: the handler ends with nothing changed.
bool RequireFilled(QWidget* window, std::initializer_list<const QLineEdit*> boxes,
                   const char* message);

// The number in box. A text that is no number leaves the running handler (see RunHandler).
double BoxNumber(QLineEdit* box);

// Runs a load step or a button handler. A text that is no number or a calculation that cannot
// be done (a division by zero, an overflow) gives a beep and a warning and changes no box; a
// SettingsError is shown with settingsFailure, its description and its number.
void RunHandler(QWidget* window, const std::function<void()>& handler,
                const QString& settingsFailure = QStringLiteral("The settings could not be read."));

} // namespace ui
