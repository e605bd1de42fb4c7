#pragma once
// The data kinds of a JVOpen dataspec, and which kind a delivery file of the
// stand-in's delivery folder belongs to. A dataspec is a run of four-letter
// data kinds: "TOKU" the special registrations, "DIFF" the masters and
// results in the older horse master layout, "DIFN" the masters in the
// current one, "RACE" the central races' details and results.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The kinds of the dataspec, in its order; nothing when it is empty, not a
// run of four-letter groups, or names a kind twice or one not listed above.
std::optional<std::vector<std::string>> DataKindsOf(std::u16string_view dataSpec);

// The kind of a delivery file by its name: a name beginning "DIFN" or
// "RACE" is of that kind, one beginning "TK" of "TOKU", any other of "DIFF".
std::string DeliveryKindOf(std::string_view fileName);

}  // namespace torvane
