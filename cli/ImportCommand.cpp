// torvane-cli import FILE...: stores the records of JV-Data files as an
// acquisition run would, printing the list line of each stored record.
//
// Exit status: 0 when every record was stored or skipped; 1 when the writer
// refused a record (each is named on stderr, the others are stored) or a file
// held no record of the four kept types at all (named on stderr); 2 when a
// file could not be read (the other files are still imported) or the store
// could not be written or holds a damaged file (the import stops there, the
// records stored before it saved); 3 when another acquisition or import is
// writing into the program directory (nothing is done).
//
// The records are written back in batches (see StoreWriter): a list line on
// stdout is on the disk once the import ends with 0 or 1.
#include <algorithm>
#include <vector>

#include "acquisition/StoreWriter.h"
#include "cli/CommandRegistry.h"
#include "cli/TestKillHook.h"
#include "store/RecordFile.h"
#include "store/StoreLock.h"
#include "store/StorePaths.h"
#include "store/SystemErrorText.h"

namespace torvane::cli {
namespace {

// The records of a delivered file: each ends in CR LF. Bytes after the last
// CR LF form a last record of their own, which the writer then refuses.
std::vector<std::string_view> SplitRecords(std::string_view contents) {
  std::vector<std::string_view> records;
  while (!contents.empty()) {
    const std::size_t end = contents.find("\r\n");
    const std::size_t length = end == std::string_view::npos ? contents.size() : end + 2;
    records.push_back(contents.substr(0, length));
    contents.remove_prefix(length);
  }
  return records;
}

int ImportFiles(CommandContext& context, StoreWriter& writer);

int Import(CommandContext& context) {
  if (context.args.empty()) throw CommandError("no file to import (usage: import FILE...)");
  // The viewer creates these at start-up; the command stands in for it.
  CreateStoreDirectories(context.programDir);
  StoreLock lock;
  if (!lock.TryTake(context.programDir)) {
    context.err << "torvane-cli import: " << kOtherWriterText << '\n';
    return 3;
  }
  StoreWriter writer(context.programDir);
  InstallTestKillHook(writer);
  try {
    const int status = ImportFiles(context, writer);
    writer.Flush();
    return status;
  } catch (const StoreError& error) {
    context.err << "torvane-cli import: " << StoreFailureText(error, writer.StoredSinceFlush()) << '\n';
    // What was stored before a damaged file or a failed directory is kept.
    if (!dynamic_cast<const BatchWriteError*>(&error)) {
      try {
        writer.Flush();
      } catch (const StoreError& flushError) {
        context.err << "torvane-cli import: " << StoreFailureText(flushError, writer.StoredSinceFlush()) << '\n';
      }
    }
    return 2;
  }
}

int ImportFiles(CommandContext& context, StoreWriter& writer) {
  int status = 0;
  for (const std::string& path : context.args) {
    std::string contents;
    try {
      contents = ReadFileContents(path);
    } catch (const StoreError& error) {
      context.err << "torvane-cli import: " << JapaneseErrorText(error) << '\n';
      status = 2;
      continue;
    }
    const std::vector<std::string_view> records = SplitRecords(contents);
    bool anyKept = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const StoreResult result = writer.Store(records[i]);
      anyKept = anyKept || result.outcome != StoreOutcome::Skipped;
      if (result.outcome == StoreOutcome::Stored) {
        context.out << result.listLine << '\n';
      } else if (result.outcome == StoreOutcome::Refused) {
        context.err << "torvane-cli import: " << path << ": record " << i + 1 << ": " << result.reason << '\n';
        status = std::max(status, 1);
      }
    }
    // Most likely the wrong file: say so rather than end without a word.
    if (!anyKept) {
      context.err << "torvane-cli import: " << path << ": the file holds no TK, RA, SE or UM record to store\n";
      status = std::max(status, 1);
    }
  }
  return status;
}

const CommandRegistration registration("import", "FILE...", Import);

}  // namespace
}  // namespace torvane::cli
