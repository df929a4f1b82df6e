#pragma once
#include "support/ScratchDir.h"

#include <string>

// An installation medium below a scratch folder with a recorder standing in for every program the
// component installers run; returns the medium's folder.
std::string MakeMedium(const testsupport::ScratchDir& scratch, const std::string& relFolder);

// Names of the programs on a medium, below its folder.
extern const char* const kMediumPrograms[12];
