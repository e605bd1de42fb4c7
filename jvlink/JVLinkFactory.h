#pragma once
// Creating the JV-Link component by its ProgID, as the start-up check does
// to see that the component is installed.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "jvlink/JVLink.h"

namespace torvane {

inline constexpr std::string_view kJVLinkProgID = "JVDTLab.JVLink";

// What the user is told when the component cannot be created.
inline constexpr std::string_view kJVLinkMissingText = "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。";

// The component cannot be created; the message names the ProgID and why.
class JVLinkUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A new instance of the component registered under progID. On this platform
// the stand-in (JVLinkStandIn.h) is registered under kJVLinkProgID and serves
// the program directory's settings. Throws JVLinkUnavailable for any other
// ProgID, or when the program directory is not a directory.
std::unique_ptr<JVLink> CreateJVLink(std::string_view progID, const std::filesystem::path& programDir);

}  // namespace torvane
