// Writes records as one archive array, the form of the program's set-up files and
// journal files.
#pragma once

#include "framework/object.h"

#include <string>
#include <vector>

// The file at path (a UTF-8 path of the build machine) is written in full under a
// temporary name and then renamed, so that a failed run leaves no half file that
// the build would take for finished. Throws std::runtime_error on failure.
void WriteRecordArchive(const std::string& path, const std::vector<const CObject*>& records);
