// torvane-cli import FILE...: stores the records of JV-Data files as an
// acquisition run would, printing the list line of each stored record.
//
// Exit status: 0 when every record was stored or skipped; 1 when the writer
// refused a record (each is named on stderr, the others are stored); 2 when a
// file could not be read (the other files are still imported) or the store
// could not be written (the import stops there).
#include <algorithm>
#include <vector>

#include "acquisition/StoreWriter.h"
#include "cli/CommandRegistry.h"
#include "cli/TestKillHook.h"
#include "store/RecordFile.h"
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

int Import(CommandContext& context) {
  if (context.args.empty()) throw CommandError("no file to import (usage: import FILE...)");
  // The viewer creates these at start-up; the command stands in for it.
  CreateStoreDirectories(context.programDir);
  StoreWriter writer(context.programDir);
  InstallTestKillHook(writer);
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
    for (std::size_t i = 0; i < records.size(); ++i) {
      const StoreResult result = writer.Store(records[i]);
      if (result.outcome == StoreOutcome::Stored) {
        context.out << result.listLine << '\n';
      } else if (result.outcome == StoreOutcome::Refused) {
        context.err << "torvane-cli import: " << path << ": record " << i + 1 << ": " << result.reason << '\n';
        status = std::max(status, 1);
      }
    }
  }
  return status;
}

const CommandRegistration registration("import", "FILE...", Import);

}  // namespace
}  // namespace torvane::cli
