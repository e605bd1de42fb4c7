#pragma once
// The contents of the store files written last, kept by their writer so that
// storing the next record of a file neither reads nor splits it again. Each
// copy is tied to the stamp of the file version it mirrors: a file changed by
// anyone else no longer matches and is read afresh.

#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>

#include "store/RecordFile.h"

namespace torvane {

class RecentFiles {
 public:
  // Keeps copies up to about budgetBytes in all, dropping the least recently used.
  explicit RecentFiles(std::size_t budgetBytes) : budget_(budgetBytes) {}

  // Hands out the copy of the file at path if it mirrors the version stamp;
  // the copy leaves the cache either way (Put returns it).
  std::optional<std::string> Take(const std::string& path, const FileStamp& stamp);
  void Put(const std::string& path, std::string contents, const FileStamp& stamp);

 private:
  struct Entry {
    std::string contents;
    FileStamp stamp;
    std::list<std::string>::iterator use;
  };

  void Erase(std::unordered_map<std::string, Entry>::iterator it);

  std::size_t budget_;
  std::size_t bytes_ = 0;
  std::unordered_map<std::string, Entry> entries_;
  std::list<std::string> uses_;  // most recent first
};

}  // namespace torvane
