#pragma once
// Replaces store files whole and atomically, cheaply enough to do it once per
// stored record.
//
// A fresh temporary file per replacement costs a new inode and frees the old
// one each time; on ext4 the rename over an existing file also forces the new
// data out to the disk at once, and without a journal every later file
// creation scans past the recently freed inodes. Instead, each directory gets
// one spare file of this replacer: the new contents are written into the
// spare, which then trades places with the file in one atomic rename
// (RENAME_EXCHANGE). The old version becomes the next spare, so no inode is
// created or freed, and a kill at any moment leaves the file either as it was
// or as it is meant to be.
//
// The price: an inode that a reader still holds open after its file was
// replaced is rewritten by a later replacement in that directory. Readers
// open a store file by name, read it and close it again.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/RecordFile.h"

namespace torvane {

// The steps every replacement of a store file goes through, however it is
// done. A test hook watches them to stop the process at an exact point.
enum class ReplaceStep {
  BeforeWrite,  // nothing of this replacement done yet
  Written,      // the new contents written, the old file still in its place
  Replaced,     // the new contents in the file's place
};

using ReplaceStepHook = std::function<void(ReplaceStep)>;

class FileReplacer {
 public:
  FileReplacer();
  // Removes the spare files this replacer left.
  ~FileReplacer();
  FileReplacer(const FileReplacer&) = delete;
  FileReplacer& operator=(const FileReplacer&) = delete;

  // Replaces (or creates) the file at path with contents; returns the new
  // file's stamp. Throws StoreError naming path and the reason; the file then
  // keeps its earlier contents.
  FileStamp Replace(const std::filesystem::path& path, std::string_view contents);

  // Called at each step of every later replacement.
  void SetStepHook(ReplaceStepHook hook) { stepHook_ = std::move(hook); }

 private:
  void Step(ReplaceStep step) const {
    if (stepHook_) stepHook_(step);
  }
  const std::filesystem::path& SpareIn(const std::filesystem::path& directory);

  std::string spareName_;
  std::unordered_map<std::filesystem::path::string_type, std::filesystem::path> spares_;  // by directory
  ReplaceStepHook stepHook_;
};

// The name prefix of spare files; they start with a dot, so that no reader
// takes one for a store file.
inline constexpr std::string_view kSpareFilePrefix = ".torvane-spare-";

// Marks a program directory as being written by this process for as long as
// it lives. A writer that is killed leaves its mark, and its spare files in
// every directory it wrote to; the next writer finds the mark and removes
// them all, even in directories it never writes to itself.
class WriterMark {
 public:
  explicit WriterMark(std::filesystem::path programDir);
  ~WriterMark();
  WriterMark(const WriterMark&) = delete;
  WriterMark& operator=(const WriterMark&) = delete;

 private:
  std::filesystem::path mark_;
};

inline constexpr std::string_view kWriterMarkPrefix = ".torvane-writing-";

}  // namespace torvane
