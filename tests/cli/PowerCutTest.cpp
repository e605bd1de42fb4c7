// A power cut right after an acquisition, simulated on a file system of its
// own: an ext4 image on a loop device, shut down without flushing its journal
// (as xfstests does), then mounted again. Whatever the cut took, the store
// must be whole, and "LastTime" either as before the run or covering a store
// that holds everything the run read. Needs root and a loop device; skipped
// with the reason elsewhere.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "tests/support/CliRunner.h"
#include "tests/support/StoreCheck.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

// Shuts a file system down at once: what is not on the disk is gone.
constexpr unsigned long kShutdown = _IOR('X', 125, __u32);
constexpr __u32 kWithoutJournalFlush = 2;

bool Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

std::string LastTime(const std::filesystem::path& programDir) {
  std::istringstream in(std::filesystem::exists(programDir / "torvane.ini") ? test::ReadFile(programDir / "torvane.ini")
                                                                            : "");
  for (std::string line; std::getline(in, line);)
    if (line.starts_with("LastTime=")) return line;
  return "(none)";
}

// Two acquisitions of the demo week: the first fetches the files and so
// keeps no start time; the second reads them at once and keeps it.
void AcquireTwice(const std::filesystem::path& programDir, const std::filesystem::path& source) {
  test::WriteFile(programDir / "jvlink-standin.ini", "[JVLink]\r\nDownloadPace=1\r\n");
  for (int run = 0; run < 2; ++run) {
    const auto result = test::RunCli(
        {"--dir", programDir.string(), "acquire", "--source", source.string(), "--from", "20000101000000"});
    ASSERT_EQ(result.status, 0) << result.out << result.err;
    // What was there before the second run is on the disk.
    if (run == 0) {
      ASSERT_TRUE(Shell("sync"));
    }
  }
}

class Mount {
 public:
  Mount(std::filesystem::path image, std::filesystem::path at) : image_(std::move(image)), at_(std::move(at)) {}
  ~Mount() {
    if (mounted_) Shell("umount " + Quoted(at_));
  }
  // Journalling metadata only, and no flush of a file's data when it is
  // renamed over another: nothing but the writer's own flushes carries the
  // data of the store to the disk before the names that lead to it.
  bool Attach() {
    return mounted_ = Shell("mount -o loop,data=writeback,noauto_da_alloc " + Quoted(image_) + " " + Quoted(at_));
  }
  bool Detach() { return !(mounted_ = !Shell("umount " + Quoted(at_))); }

 private:
  std::filesystem::path image_, at_;
  bool mounted_ = false;
};

TEST(PowerCutTest, AfterACutTheStoreIsWholeAndLastTimeNeverAheadOfIt) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to mount a loop device";
  const test::TempDir dir;
  const auto image = dir / "store.img", at = dir / "mnt", source = dir / "source";
  std::filesystem::create_directories(at);
  if (!Shell("truncate -s 128M " + Quoted(image) + " && mkfs.ext4 -q -F " + Quoted(image)))
    GTEST_SKIP() << "mkfs.ext4 cannot make a file system image here";
  Mount mount(image, at);
  if (!mount.Attach()) GTEST_SKIP() << "cannot mount a loop device here";
  ASSERT_EQ(test::RunCli({"make-demo", source.string(), "--week-of", "20240527"}).status, 0);
  AcquireTwice(dir / "reference", source);

  const auto programDir = at / "program";
  AcquireTwice(programDir, source);
  {
    const int fd = open(at.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    const bool cut = ioctl(fd, kShutdown, &kWithoutJournalFlush) == 0;
    close(fd);
    if (!cut) GTEST_SKIP() << "this kernel cannot shut down an ext4 file system";
  }
  ASSERT_TRUE(mount.Detach());
  ASSERT_TRUE(mount.Attach());

  // The stand-in's cache is no part of the store.
  for (const auto& program : {programDir, dir / "reference"}) std::filesystem::remove_all(program / "jvlink-cache");
  const std::vector<std::string> problems = test::StoreProblems(programDir);
  EXPECT_TRUE(problems.empty()) << problems.front();
  const std::string lastTime = LastTime(programDir);
  if (lastTime == "(none)") return;  // the run's end was lost with the rest: it comes again
  EXPECT_EQ(lastTime, LastTime(dir / "reference"));
  EXPECT_TRUE(test::StoreFiles(programDir) == test::StoreFiles(dir / "reference"))
      << "\"LastTime\" moved past records that the cut took";
}

}  // namespace
}  // namespace torvane
