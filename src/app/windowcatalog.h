#pragma once

// Tells the window keeper how to make each kind of window the program has.
void RegisterWindows();
