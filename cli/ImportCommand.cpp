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
#include <cstdint>
#include <optional>
#include <string>

#include "acquisition/StoreWriter.h"
#include "cli/CommandRegistry.h"
#include "cli/DeliveryRecords.h"
#include "cli/WriterHook.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"
#include "store/RecordFile.h"
#include "store/StoreLock.h"
#include "store/StorePaths.h"

namespace torvane::cli {
namespace {

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
  ApplyWriterHook(writer);
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

// Imports one file; false when it could not be read (named on err), the
// records before that stored.
bool ImportFile(CommandContext& context, StoreWriter& writer, const std::string& path, int& status) {
  std::optional<DeliveryRecords> records;
  std::string record;
  std::uint64_t length = 0;
  bool anyKept = false;
  for (std::uint64_t number = 1;; ++number) {
    try {
      if (!records) records.emplace(platform::PathFromUtf8(path));
      if (!records->Next(record, length)) break;
    } catch (const StoreError& error) {
      context.err << "torvane-cli import: " << JapaneseErrorText(error) << '\n';
      return false;
    }
    const StoreResult result = writer.Store(record);
    anyKept = anyKept || result.outcome != StoreOutcome::Skipped;
    if (result.outcome == StoreOutcome::Stored) {
      context.out << result.listLine << '\n';
    } else if (result.outcome == StoreOutcome::Refused) {
      const std::string reason = length > record.size() ? "a record of " + std::to_string(length) + " bytes; " +
                                                              "no JV-Data record is that long"
                                                        : result.reason;
      context.err << "torvane-cli import: " << path << ": record " << number << ": " << reason << '\n';
      status = std::max(status, 1);
    }
  }
  // Most likely the wrong file: say so rather than end without a word.
  if (!anyKept) {
    context.err << "torvane-cli import: " << path << ": the file holds no TK, RA, SE or UM record to store\n";
    status = std::max(status, 1);
  }
  return true;
}

int ImportFiles(CommandContext& context, StoreWriter& writer) {
  int status = 0;
  for (const std::string& path : context.args)
    if (!ImportFile(context, writer, path, status)) status = 2;
  return status;
}

const CommandRegistration registration("import", "FILE...", Import);

}  // namespace
}  // namespace torvane::cli
