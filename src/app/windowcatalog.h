// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct WindowServices;

// Tells the keeper of services how to make each kind of window the program has; every window
// it makes is given services.
void RegisterWindows(const WindowServices& services);
