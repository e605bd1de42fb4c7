#include "jvlink/JVLinkFactory.h"

#include <string>
#include <system_error>

#include "jvlink/JVLinkStandIn.h"
#include "platform/Paths.h"

namespace torvane {

std::unique_ptr<JVLink> CreateJVLink(std::string_view progID, const std::filesystem::path& programDir) {
  const std::string name(progID);
  if (progID != kJVLinkProgID) throw JVLinkUnavailable("no component is registered as \"" + name + "\"");
  std::error_code error;
  if (!std::filesystem::is_directory(programDir, error))
    throw JVLinkUnavailable("cannot create \"" + name + "\": its program directory " +
                            platform::Utf8OfPath(programDir) + " is not a directory");
  return std::make_unique<JVLinkStandIn>(programDir);
}

}  // namespace torvane
