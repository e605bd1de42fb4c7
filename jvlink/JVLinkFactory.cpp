#include "jvlink/JVLinkFactory.h"

#include <string>
#include <system_error>

#include "jvlink/JVLinkBridge.h"
#include "jvlink/JVLinkStandIn.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "settings/IniGT.h"

namespace torvane {
namespace {

constexpr std::string_view kSection = "JVLink";
constexpr std::string_view kKey = "Component";
constexpr std::string_view kInstalledValue = "installed";
constexpr std::string_view kStandInValue = "standin";

}  // namespace

JVLinkComponent ChosenJVLinkComponent(const TIniGT& settings) {
  const std::string value = settings.ReadString(kSection, kKey, "");
  if (value == kInstalledValue) return JVLinkComponent::kInstalled;
  if (value == kStandInValue) return JVLinkComponent::kStandIn;
  return platform::WindowsProgramsRunNatively() ? JVLinkComponent::kInstalled : JVLinkComponent::kStandIn;
}

bool SaveJVLinkComponent(TIniGT& settings, JVLinkComponent component) {
  return settings.WriteString(kSection, kKey,
                              component == JVLinkComponent::kInstalled ? kInstalledValue : kStandInValue);
}

std::unique_ptr<JVLink> CreateJVLink(JVLinkComponent component, const std::filesystem::path& programDir) {
  if (component == JVLinkComponent::kInstalled) return std::make_unique<JVLinkBridge>(DefaultBridgePath());
  std::error_code error;
  if (!platform::IsDirectory(programDir, error))
    throw JVLinkUnavailable("JV-Link代替のプログラムフォルダ " + platform::Utf8OfPath(programDir) +
                            " がフォルダではありません");
  return std::make_unique<JVLinkStandIn>(programDir);
}

}  // namespace torvane
