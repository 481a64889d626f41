#pragma once
// The program's resource scripts, read once from the source tree.
#include <string>

#include "tests/resources/RcScript.h"

namespace rc {

std::string ReadSourceFile(const std::string& relativePath);  // empty when missing
const Defines& Ids();             // resources/ResourceIds.h
const Script& English();          // resources/en.rc
const Script& French();           // resources/fr.rc

}  // namespace rc
