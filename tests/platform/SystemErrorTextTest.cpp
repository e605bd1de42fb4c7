#include <gtest/gtest.h>

#include "platform/Files.h"
#include "platform/SystemErrorText.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

using StoreError = platform::FileError;
using platform::FileAction;

// Real failures of the store and of std::filesystem, worded in Japanese with
// their path; the CLI's English message stays the exception's own.
TEST(SystemErrorTextTest, RealFailuresAreWordedInJapaneseWithTheirPath) {
  test::TempDir dir;
  platform::ReadOnlyFile reader;
  try {
    reader.Open(dir / "2019101234.jvUMA");
    FAIL() << "a missing file opened";
  } catch (const StoreError& error) {
    EXPECT_EQ(JapaneseErrorText(error),
              (dir / "2019101234.jvUMA").string() + " を開けません（ファイルまたはフォルダがありません）");
    EXPECT_NE(std::string(error.what()).find("cannot open"), std::string::npos) << error.what();
  }

  test::WriteFile(dir / "file", "x");
  try {
    std::filesystem::create_directories(dir / "file" / "UMA");
    FAIL() << "a folder was made under a file";
  } catch (const std::filesystem::filesystem_error& error) {
    EXPECT_EQ(JapaneseErrorText(error), (dir / "file" / "UMA").string() + "：フォルダではありません");
  }
}

TEST(SystemErrorTextTest, EachKnownReasonHasItsWordsAndTheRestTheirNumber) {
  const StoreError full(FileAction::Write, "/p/x.jvTK", std::make_error_code(std::errc::no_space_on_device));
  EXPECT_EQ(JapaneseErrorText(full), "/p/x.jvTK に書き込めません（ディスクの空き容量が足りません）");
  EXPECT_EQ(SystemReasonText(std::make_error_code(std::errc::permission_denied)), "アクセスする権限がありません");
  EXPECT_EQ(SystemReasonText(std::make_error_code(std::errc::read_only_file_system)),
            "読み取り専用のファイルシステムです");
  EXPECT_EQ(SystemReasonText(std::make_error_code(std::errc::filename_too_long)), "名前が長すぎます");
  EXPECT_EQ(SystemReasonText(std::make_error_code(std::errc::io_error)), "入出力エラーが発生しました");
  const std::error_code other = std::make_error_code(std::errc::too_many_files_open);
  EXPECT_EQ(SystemReasonText(other), "システムエラー（番号 " + std::to_string(other.value()) + "）");
  // A file whose contents are at fault keeps its own message.
  EXPECT_STREQ(JapaneseErrorText(StoreError("the store file is damaged")).c_str(), "the store file is damaged");
}

}  // namespace
}  // namespace torvane
