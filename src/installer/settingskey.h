// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the elevated installer and uninstaller do to the settings key
// HKEY_LOCAL_MACHINE\SOFTWARE\<application>, in the registry's 64-bit view.
//
// Standard users may change the values of <application>\Defaults and nothing else: they get
// read access and KEY_SET_VALUE on that one key, in an entry no child inherits, and the
// application key keeps only what it inherits from SOFTWARE. So no user can make a subkey, a
// registry link or a new permission there.
//
// Code that runs elevated never acts through a link a user could have planted: every key is
// opened relative to a handle of its parent with REG_OPTION_OPEN_LINK, a link is deleted as
// itself (never followed), and permissions are set on open handles, never by name.
namespace settingskey {

// Install and upgrade. A link at the application key or at Defaults is deleted. A real
// application key is first closed to users, then the values of its Defaults are read, and
// the whole tree is deleted key by key (each checked not to be a link). The keys are then made
// afresh, with the permissions above, and the values written back. Gives 0 or the Windows
// error code of the step that failed, with that step in words in `failure`.
long Prepare(const std::wstring& application, std::wstring& failure);

// Uninstall: deletes the application key and everything under it, key by key, each checked
// not to be a link; a link is deleted as itself. Nothing outside the key is touched.
long Remove(const std::wstring& application, std::wstring& failure);

// Read access and KEY_SET_VALUE: what the Users group gets on Defaults.
inline constexpr unsigned long kUsersAccess = 0x2001B;

} // namespace settingskey
