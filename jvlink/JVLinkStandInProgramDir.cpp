// The stand-in on the settings file of a program directory. Apart from the
// rest of the stand-in, which the test component is built from without the
// settings file.
#include "jvlink/JVLinkStandIn.h"

namespace torvane {

JVLinkStandIn::JVLinkStandIn(const std::filesystem::path& programDir)
    : JVLinkStandIn([programDir] {
        StandInSettings settings = LoadStandInSettings(programDir);
        settings.deliveryFolder = ResolvedFolder(programDir, settings.deliveryFolder);
        settings.cacheFolder = ResolvedFolder(programDir, settings.cacheFolder);
        return settings;
      }) {}

}  // namespace torvane
