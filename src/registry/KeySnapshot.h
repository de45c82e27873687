#pragma once
// A snapshot of a key tree, read and put back through the wide registry calls, so that
// names and text outside the code page survive: every value with its type and its bytes as
// stored (empty values too), every subkey at every depth, or the fact that the key does not
// exist. Paths are relative to root and name a key below it, never root itself.

#include <windows.h>

#include <optional>
#include <string>

#include "regscript/RegKey.h"

// The key at path below root, its name the last one of path; nothing when it does not exist.
// Raises ERegistryException "Failed to read key %s" with the path of a key (the one named or
// one below it) that exists but cannot be read whole.
std::optional<regscript::Key> ReadKeySnapshot(HKEY root, const std::u16string& path);

// Makes the key at path equal to wanted (nothing: the key is deleted with everything below it)
// with the fewest writes: values and subkeys that are not wanted are deleted, values that
// differ are written, missing keys and values are made; everything that is as wanted is left
// untouched. A key that exists is never deleted and made again (below HKEY_CLASSES_ROOT a key
// made again could land in the other of the two parts that it merges), so a key whose name
// differs from the wanted one in letter case only keeps its spelling. Returns the number of
// writes: keys made or deleted, values written or deleted. A refused write raises
// ERegistryException ("Failed to create key %s", "Failed to set data for '%s'", "Failed to
// delete key %s", "Failed to delete value '%s'"); what was written before it stays.
int RestoreKeySnapshot(HKEY root, const std::u16string& path,
                       const std::optional<regscript::Key>& wanted);
