// fuzz_seeds DIR: writes the seed corpus of every fuzz target into
// DIR/<target>/, made from a demo delivery and a few hand-made texts, so that
// the fuzzers start from well-formed input of our own.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "demo/DemoDelivery.h"
#include "jvdata/JVData_Structure.h"

namespace {

using namespace torvane;

struct DemoRecords {
  std::vector<std::string> tk, ra, se, um;
};

DemoRecords SplitDelivery() {
  using namespace std::chrono;
  DemoRecords records;
  for (const DeliveryFile& file : MakeDemoDelivery(sys_days{year{2003} / April / 1})) {
    std::string_view rest = file.contents;
    // Each record ends in CR LF, whatever the length of its type or layout.
    while (!rest.empty()) {
      const std::string_view type = rest.substr(0, 2);
      const std::size_t end = rest.find("\r\n");
      if (end == std::string_view::npos) break;
      const std::string record(rest.substr(0, end + 2));
      rest.remove_prefix(end + 2);
      if (type == "TK") records.tk.push_back(record);
      if (type == "RA") records.ra.push_back(record);
      if (type == "SE") records.se.push_back(record);
      if (type == "UM") records.um.push_back(record);
    }
  }
  return records;
}

void Write(const std::filesystem::path& path, std::string_view contents) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string Joined(const std::vector<std::string>& records, std::size_t count) {
  std::string joined;
  for (std::size_t i = 0; i < count && i < records.size(); ++i) joined += records[i];
  return joined;
}

// A date loader tree entry: operation, 16-bit length, content.
std::string Entry(int operation, std::string_view content) {
  std::string entry{static_cast<char>(operation), static_cast<char>(content.size() & 0xFF),
                    static_cast<char>(content.size() >> 8)};
  return entry + std::string(content);
}

// A date with its first horses' masters, results and the details of those races.
std::string LoaderTree(const DemoRecords& demo, std::size_t horses, bool truncateResults) {
  const TkRecord tk = [&] {
    TkRecord record;
    record.Assign(demo.tk.front());
    return record;
  }();
  std::string tree = Entry(0, tk.View());
  std::set<std::string> raFiles;
  for (int h = 0; h < static_cast<int>(horses); ++h) {
    const std::string_view blood = tk.Entry(h).BloodNumber();
    for (const std::string& um : demo.um)
      if (FieldAt(um, 12, 10) == blood) tree += Entry(1, um);
    int results = 0;
    for (const std::string& se : demo.se) {
      if (FieldAt(se, 31, 10) != blood || ++results > 6) continue;
      tree += Entry(2, truncateResults ? std::string_view(se).substr(0, 300) : std::string_view(se));
      raFiles.insert(std::string(FieldAt(se, 12, 10)));
    }
  }
  for (const std::string& ra : demo.ra)
    if (raFiles.contains(std::string(FieldAt(ra, 12, 10)))) tree += Entry(3, ra);
  return tree;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  const DemoRecords demo = SplitDelivery();

  Write(dir / "fuzz_store_writer/one-of-each", demo.tk.front() + demo.ra.front() + demo.se.front() + demo.um.front());
  Write(dir / "fuzz_store_writer/results", Joined(demo.se, 6));
  Write(dir / "fuzz_store_writer/races", Joined(demo.ra, 4));
  Write(dir / "fuzz_store_writer/masters", Joined(demo.um, 3));
  Write(dir / "fuzz_store_writer/same-race-twice", demo.ra.front() + demo.ra.front());

  Write(dir / "fuzz_date_loader/three-horses", LoaderTree(demo, 2, false));
  Write(dir / "fuzz_date_loader/truncated-results", LoaderTree(demo, 1, true));
  Write(dir / "fuzz_date_loader/directory-for-master", LoaderTree(demo, 1, false) + Entry(5, demo.um.front()));

  const std::string_view settings =
      "[locate]\r\ntop=10\r\nleft=10\r\nwidth=630\r\nheight=450\r\n[datalist]\r\nclose=1\r\n"
      "[JvDataGet]\r\nLastTime=\"2003/04/01 12:00:00\"\r\n[PrintZoom]\r\nratio=1\r\n";
  using namespace std::string_literals;
  Write(dir / "fuzz_settings/window", std::string(settings) + "\0locate\0top\0 20 \0PrintZoom\0ratio"s);
  Write(dir / "fuzz_settings/last-time", std::string(settings) + "\0JvDataGet\0LastTime\0\xA2 x \xA3\0locate\0left"s);
  Write(dir / "fuzz_settings/new-section", "\0Printlocate\0width\0000x1F\0datalist\0close"s);

  const TkRecord tk = [&] {
    TkRecord record;
    record.Assign(demo.tk.front());
    return record;
  }();
  Write(dir / "fuzz_cp932/race-name", tk.RaceName());
  Write(dir / "fuzz_cp932/horse-names", std::string(tk.Entry(0).HorseName()) + std::string(tk.Entry(1).HorseName()));
  Write(dir / "fuzz_cp932/mixed", "ABC\x82\xA0\xB1\xB2\x81\x40\x87\x40\xED\x40\xFA\x5C"s);

  Write(dir / "fuzz_codes/course", "\x02"s + "06");
  Write(dir / "fuzz_codes/grade", "\x09"s + "A");
  Write(dir / "fuzz_codes/time-diff", "\x00"s + "-012");
  Write(dir / "fuzz_codes/digits", "\x01"s + " 0123");
  return 0;
}
