// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SettingsStore;
class UserFeedback;
class WindowKeeper;

// What a window uses besides its own form: the keeper of the other windows, the beep and the
// message boxes, and the store of the defaults. The program makes one at start-up and hands it
// to every window it makes; a test makes its own. Not owned: they outlive every window.
struct WindowServices
{
    WindowKeeper& keeper;
    UserFeedback& feedback;
    SettingsStore& store;
};
