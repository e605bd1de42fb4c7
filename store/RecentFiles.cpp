#include "store/RecentFiles.h"

namespace torvane {

std::optional<std::string> RecentFiles::Take(const std::string& path, const FileStamp& stamp) {
  const auto it = entries_.find(path);
  if (it == entries_.end()) return std::nullopt;
  bytes_ -= it->second.contents.size();
  uses_.erase(it->second.use);
  auto node = entries_.extract(it);
  if (node.mapped().stamp != stamp) return std::nullopt;
  return std::move(node.mapped().contents);
}

void RecentFiles::Put(const std::string& path, std::string contents, const FileStamp& stamp) {
  if (const auto it = entries_.find(path); it != entries_.end()) Erase(it);
  if (contents.size() > budget_) return;
  bytes_ += contents.size();
  uses_.push_front(path);
  entries_.emplace(path, Entry{std::move(contents), stamp, uses_.begin()});
  while (bytes_ > budget_) Erase(entries_.find(uses_.back()));
}

void RecentFiles::Erase(std::unordered_map<std::string, Entry>::iterator it) {
  bytes_ -= it->second.contents.size();
  uses_.erase(it->second.use);
  entries_.erase(it);
}

}  // namespace torvane
