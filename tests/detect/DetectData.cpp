#include "DetectData.h"

#include "support/Paths.h"

namespace detectdata {

std::string File(const std::string& name) { return testsupport::JoinPath(testsupport::WinPath(DETECT_DATA_DIR), name); }

std::string EngineFolder(const std::string& version) { return File("engines\\" + version); }

}  // namespace detectdata
