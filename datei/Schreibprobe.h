#pragma once

#include <string>

// Whether the program may create files in `ordner` (native bytes of its name). A probe file is the only
// reliable test; permission bits lie on shared and mounted folders. The probe gets a fresh name and is
// created only where nothing of that name exists, never through a symbolic link, and removed again, so
// nothing in the folder is touched.
bool OrdnerBeschreibbar(const std::string& ordner);
