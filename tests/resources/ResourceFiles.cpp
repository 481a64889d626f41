#include "tests/resources/ResourceFiles.h"

#include <fstream>
#include <sstream>

namespace rc {

std::string ReadSourceFile(const std::string& relativePath) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const Defines& Ids() {
  static const Defines ids = ReadDefines(ReadSourceFile("resources/ResourceIds.h"));
  return ids;
}

const Script& English() {
  static const Script script = Parse(ReadSourceFile("resources/en.rc"), Ids());
  return script;
}

const Script& French() {
  static const Script script = Parse(ReadSourceFile("resources/fr.rc"), Ids());
  return script;
}

}  // namespace rc
