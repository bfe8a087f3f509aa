#pragma once

// The start of every window test case: numbers in the en_US locale, the program's look, and a
// configuration folder of the test's own, so that nothing can reach the user's settings.
void StartWindowTests();
