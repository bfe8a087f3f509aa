#pragma once

#include <QtGlobal>

#include <initializer_list>

class QIcon;
class QWidget;

// How every window looks: the program's font and style, the pool icon, headings, and the grey
// of the boxes a calculation writes.
namespace ui {

// The program-wide font ("MS Sans Serif" 8.25 pt or the closest font at hand) and style.
void ApplyProgramLook();

// A fixed client size, as laid out, and the pool icon unless withIcon is false.
void SetUpWindow(QWidget* window, bool withIcon = true);
QIcon PoolIcon();
// A heading's font: the scalable font closest to the program's, in the given size and style.
void SetFont(QWidget* widget, qreal points, bool bold, bool italic);

// Grey, read-only boxes that a calculation writes and never reads.
void MakeOutputBoxes(std::initializer_list<QWidget*> boxes);

} // namespace ui
