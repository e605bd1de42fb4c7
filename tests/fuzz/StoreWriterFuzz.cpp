// The store writer on arbitrary bytes. The input is cut into records at each
// CR LF, as the import command cuts a delivered file. Every piece is stored as
// it is; a piece of a known type but the wrong length is also stored fitted to
// its type's length, so that mutations reach the routing and sorting and not
// only the length check. Afterwards the store must hold whole, sorted records
// with unique race keys, and nothing outside its four directories.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "acquisition/StoreWriter.h"
#include "jvdata/JVData_Structure.h"
#include "store/StorePaths.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzScratchDir.h"
#include "tests/support/StoreCheck.h"

namespace {

using namespace torvane;

std::string FittedToType(std::string_view piece, std::size_t size) {
  std::string record(piece.substr(0, size));
  record.resize(size, ' ');
  record.replace(size - 2, 2, "\r\n");
  return record;
}

void Store(StoreWriter& writer, std::string_view record) {
  const StoreResult result = writer.Store(record);
  fuzz::Require(result.outcome != StoreOutcome::Stored || fuzz::IsUtf8(result.listLine),
                "the list line of a stored record is UTF-8");
  fuzz::Require(result.outcome != StoreOutcome::Refused || !result.reason.empty(), "a refusal says why");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& programDir = fuzz::FreshScratchDir();
  CreateStoreDirectories(programDir);
  std::string_view input(reinterpret_cast<const char*>(data), size);
  {
    StoreWriter writer(programDir);
    while (!input.empty()) {
      const std::size_t end = input.find("\r\n");
      const std::size_t length = end == std::string_view::npos ? input.size() : end + 2;
      const std::string_view piece = input.substr(0, length);
      input.remove_prefix(length);
      // Nothing in a record may make the writer throw: the store is healthy,
      // so an exception escapes and counts as a finding.
      Store(writer, piece);
      const std::size_t typeSize = RecordSizeOf(piece.substr(0, 2));
      if (typeSize != 0 && piece.size() != typeSize) Store(writer, FittedToType(piece, typeSize));
    }
    writer.Flush();
  }
  for (const std::string& problem : test::StoreProblems(programDir)) fuzz::Fail(problem);
  return 0;
}
