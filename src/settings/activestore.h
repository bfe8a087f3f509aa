#pragma once

class SettingsStore;

// The store that the program's settings live in: the platform's own, unless a test has put
// another in its place.
SettingsStore& ActiveStore();

// Puts store in place of the platform's (nullptr restores it); for tests. Not owned.
void ReplaceActiveStore(SettingsStore* store);
