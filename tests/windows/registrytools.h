// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What the Windows tests need to look at and tamper with in HKEY_LOCAL_MACHINE (64-bit view),
// as a hostile user of an older installation could. Paths are below HKEY_LOCAL_MACHINE, such
// as "SOFTWARE\Poolwright"; a key is always opened as itself, never through a link.
namespace registrytools {

// One entry of a key's permissions: "A 0x00 0x0002001B S-1-5-32-545" (type, inheritance
// flags, access mask, trustee).
using Entry = std::string;

// The key's permissions, entry by entry, in order; a single "no key" entry when it is absent.
std::vector<Entry> Entries(const std::string& path);

// The key's owner, as a SID ("S-1-5-32-544" for Administrators); empty when it is absent.
std::string Owner(const std::string& path);

// The key's values as "name:type=bytes", one after another; empty when it has none.
std::string Values(const std::string& path);

// The permissions a key made now under parent gets (a probe key, made and deleted).
std::vector<Entry> FreshEntries(const std::string& parent);

enum class Kind
{
    Absent,
    Key,
    Link
};
Kind KindOf(const std::string& path);

// Replaces whatever is at path (a key and its tree) with a link to target.
bool PlantLink(const std::string& path, const std::string& target);

// Makes path with one value and one subkey holding a value: a key someone else owns.
bool MakeCanary(const std::string& path);

// Everything of a key a follower of a link could change: owner, permissions, values and the
// subkeys with theirs, as one text to compare before and after.
std::string Snapshot(const std::string& path);

// Deletes path and its tree, links as themselves; true when nothing is left.
bool Delete(const std::string& path);

} // namespace registrytools
