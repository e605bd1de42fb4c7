#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>

#include "jvlink/DeliveredRecords.h"
#include "tests/jvlink/DeliveryFixture.h"

namespace torvane {
namespace {

// The process's address space in bytes, as the kernel counts it against RLIMIT_AS.
std::size_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// Lets the process grow by at most headroom bytes while it lives.
class AddressSpaceLimit {
 public:
  explicit AddressSpaceLimit(std::size_t headroom) {
    getrlimit(RLIMIT_AS, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = AddressSpaceInUse() + headroom;
    setrlimit(RLIMIT_AS, &lowered);
  }
  ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &previous_); }
  AddressSpaceLimit(const AddressSpaceLimit&) = delete;
  AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

 private:
  rlimit previous_{};
};

// A delivery larger than the memory the reader may use is read out whole,
// record by record; a file of one endless line is refused, not gathered.
TEST(DeliveredFileTest, AFileLargerThanTheMemoryAtHandIsReadRecordByRecord) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's shadow memory does not fit under an address-space limit";
#endif
  test::TempDir dir;
  const std::string record = test::UmRecord("2000100001", "テストホース");
  constexpr std::size_t kRecords = 120'000;  // about 190 MB
  {
    std::ofstream out(dir / "big.jvd", std::ios::binary);
    for (std::size_t i = 0; i < kRecords; ++i) out << record;
  }
  {
    std::ofstream out(dir / "endless.jvd", std::ios::binary);
    out << std::string(3 * kMaxDeliveredRecordBytes, 'A');
  }

  std::size_t count = 0;
  std::int32_t last = 0;
  std::int32_t endless = 0;
  {
    const AddressSpaceLimit limit(64 << 20);
    DeliveredFile big(dir / "big.jvd");
    ASSERT_EQ(big.Code(), 0);
    std::u16string wide;
    while ((last = big.Next(wide)) > 0) {
      if (last != static_cast<std::int32_t>(record.size())) break;
      ++count;
    }
    endless = DeliveredFile(dir / "endless.jvd").Code();
  }
  EXPECT_EQ(last, 0);
  EXPECT_EQ(count, kRecords);
  EXPECT_EQ(endless, kFileContentsAbnormal);
}

}  // namespace
}  // namespace torvane
