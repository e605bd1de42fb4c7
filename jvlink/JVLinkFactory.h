#pragma once
// Creating the JV-Link component the user chose: the installed component
// (ProgID "JVDTLab.JVLink", reached through the bridge) or the stand-in that serves
// the demo's delivery folder. Start-up creates one to see that it is there.

#include <memory>
#include <stdexcept>
#include <string_view>

#include "jvlink/JVLink.h"
#include "platform/Paths.h"

namespace torvane {

class TIniGT;

// What the user is told when the component cannot be created.
inline constexpr std::string_view kJVLinkMissingText =
    "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。";

// The component cannot be created; the message says why.
class JVLinkUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class JVLinkComponent { kInstalled, kStandIn };

// The choice kept in the settings file (section "JVLink", key "Component":
// "installed" or "standin"). Without one: the installed component where
// Windows programs run natively, the stand-in elsewhere (where the installed
// one needs Wine and a component installed into it).
JVLinkComponent ChosenJVLinkComponent(const TIniGT& settings);
// False when the settings file cannot be written.
bool SaveJVLinkComponent(TIniGT& settings, JVLinkComponent component);

// A new instance of the component. The stand-in serves the program
// directory's settings; the installed one runs the bridge (DefaultBridgePath).
// Throws JVLinkUnavailable naming the cause.
std::unique_ptr<JVLink> CreateJVLink(JVLinkComponent component, const std::filesystem::path& programDir);

}  // namespace torvane
