// Time to make a demo delivery (the week, its records and files in memory)
// and to write it, for a few weeks of the year.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "demo/DemoDelivery.h"

int main() {
  using Clock = std::chrono::steady_clock;
  const auto dir = std::filesystem::temp_directory_path() / "torvane-demo-bench";
  for (const char* weekOf : {"20240103", "20240527", "20241223"}) {
    const auto start = Clock::now();
    const auto files = torvane::MakeDemoDelivery(torvane::ParseDemoDate(weekOf));
    const auto made = Clock::now();
    torvane::WriteDemoDelivery(dir, files);
    const auto written = Clock::now();
    std::size_t bytes = 0, records = 0;
    for (const auto& file : files) {
      bytes += file.contents.size();
      records += static_cast<std::size_t>(file.recordCount);
    }
    std::printf("week of %s: %zu records, %.1f MB; made in %.0f ms, written in %.0f ms\n", weekOf, records,
                static_cast<double>(bytes) / 1e6, std::chrono::duration<double, std::milli>(made - start).count(),
                std::chrono::duration<double, std::milli>(written - made).count());
  }
  std::filesystem::remove_all(dir);
}
