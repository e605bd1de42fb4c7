#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "settings/IniGT.h"
#include "settings/ProgramDir.h"
#include "tests/support/Fifo.h"
#include "tests/support/TempDir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class IniGTTest : public ::testing::Test {
 protected:
  fs::path SettingsPath() const { return dir_ / kSettingsFileName; }
  TIniGT Settings() const { return TIniGT(dir_.Path(), kSettingsFileName); }
  // Stores text as the whole settings file and returns a component on it.
  TIniGT SettingsWith(std::string_view text) const {
    WriteFile(SettingsPath(), text);
    return Settings();
  }
  std::string StoredText() const { return ReadFile(SettingsPath()); }
  int EntryCount() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()));
  }

  TempDir dir_;
};

TEST_F(IniGTTest, TheFileIsNamedAfterTheExecutableInTheApplicationDirectory) {
  EXPECT_EQ(TIniGT("/opt/tv", "torvane").FilePath(), fs::path("/opt/tv/torvane.ini"));
  EXPECT_EQ(TIniGT("/opt/tv", "torvane.exe").FileName(), "torvane.ini");
  EXPECT_EQ(TIniGT("/opt/tv", "torvane-cli").FileName(), "torvane-cli.ini");
  EXPECT_EQ(TIniGT("/opt/tv", kSettingsFileName).FilePath(), fs::path("/opt/tv/torvane.ini"));

  TIniGT settings("/opt/tv", "torvane");
  settings.SetFileName("/var/tmp/x.ini");  // a directory part is kept as it is
  EXPECT_EQ(settings.FilePath(), fs::path("/var/tmp/x.ini"));
  settings.SetFileName("sub/x.ini");
  EXPECT_EQ(settings.FilePath(), fs::path("sub/x.ini"));
  settings.SetFileName("x.ini");
  EXPECT_EQ(settings.FilePath(), fs::path("/opt/tv/x.ini"));
}

TEST_F(IniGTTest, WithoutAFileEveryReadGivesItsDefaultAndCreatesNothing) {
  const TIniGT settings = Settings();
  EXPECT_EQ(settings.ReadInteger("locate", "top", 10), 10);
  EXPECT_EQ(settings.ReadInteger("locate", "width", 630), 630);
  EXPECT_FALSE(settings.ReadBool("datalist", "close", false));
  EXPECT_TRUE(settings.ReadBool("datalist", "close", true));
  EXPECT_EQ(settings.ReadString("JvDataGet", "LastTime", "2024/05/01 09:30:00"), "2024/05/01 09:30:00");
  EXPECT_EQ(settings.ReadString("s", "k", "  \"quoted\"  "), "  \"quoted\"  ");  // the default exactly
  EXPECT_EQ(settings.ReadString("s", "k", std::string(5000, 'd')), std::string(5000, 'd'));
  EXPECT_FALSE(fs::exists(SettingsPath()));
}

TEST_F(IniGTTest, TheWindowRectangleRoundTripsAndEveryInstanceSeesItAtOnce) {
  TIniGT writer = Settings();
  const TIniGT reader = Settings();
  EXPECT_EQ(reader.ReadInteger("locate", "top", 10), 10);
  ASSERT_TRUE(writer.WriteInteger("locate", "top", -20));
  ASSERT_TRUE(writer.WriteInteger("locate", "left", 3000));
  ASSERT_TRUE(writer.WriteInteger("locate", "width", 630));
  ASSERT_TRUE(writer.WriteInteger("locate", "height", 451));
  EXPECT_EQ(StoredText(), "[locate]\r\ntop=-20\r\nleft=3000\r\nwidth=630\r\nheight=451\r\n");
  EXPECT_EQ(reader.ReadInteger("locate", "top", 10), -20);
  EXPECT_EQ(reader.ReadInteger("LOCATE", "Left", 10), 3000);
  EXPECT_EQ(reader.ReadInteger("locate", "height", 450), 451);

  ASSERT_TRUE(writer.WriteInteger("Locate", "TOP", 15));  // the same key, whatever its case
  EXPECT_EQ(reader.ReadInteger("locate", "top", 10), 15);
  EXPECT_EQ(StoredText(), "[locate]\r\ntop=15\r\nleft=3000\r\nwidth=630\r\nheight=451\r\n");
}

TEST_F(IniGTTest, BooleansAreIntegers) {
  TIniGT settings = SettingsWith("[datalist]\nclose=2\nletters=yes\nzero=0\nhex=0x10\n");
  EXPECT_TRUE(settings.ReadBool("datalist", "close", false));
  EXPECT_FALSE(settings.ReadBool("datalist", "letters", false));
  EXPECT_TRUE(settings.ReadBool("datalist", "letters", true));
  EXPECT_FALSE(settings.ReadBool("datalist", "zero", true));
  EXPECT_TRUE(settings.ReadBool("datalist", "hex", false));
  ASSERT_TRUE(settings.WriteBool("datalist", "close", false));
  ASSERT_TRUE(settings.WriteBool("datalist", "zero", true));
  EXPECT_EQ(StoredText(), "[datalist]\nclose=0\nletters=yes\nzero=1\nhex=0x10\n");
}

TEST_F(IniGTTest, IntegersAreDecimalOrHexWithinRange) {
  const TIniGT settings = SettingsWith(
      "[n]\n"
      "blanks=  \t42 \t\n"
      "hex=0x1F\nHEX=0Xff\nminus=-5\nplus=+7\nzeros=007\nmax=2147483647\nmin=-2147483648\nhexmax=0x7fffffff\n"
      "inner=4 2\ntail=12abc\nprefix=0x\nhexminus=0x-1\nplusminus=+-1\nbig=2147483648\nhexbig=0x80000000\n"
      "empty=\nletters=abc\n");
  EXPECT_EQ(settings.ReadInteger("n", "blanks", -1), 42);
  EXPECT_EQ(settings.ReadInteger("n", "hex", -1), 31);
  EXPECT_EQ(settings.ReadInteger("n", "HEX", -1), 31);  // the first "hex" key
  EXPECT_EQ(settings.ReadInteger("n", "minus", -1), -5);
  EXPECT_EQ(settings.ReadInteger("n", "plus", -1), 7);
  EXPECT_EQ(settings.ReadInteger("n", "zeros", -1), 7);
  EXPECT_EQ(settings.ReadInteger("n", "max", -1), 2147483647);
  EXPECT_EQ(settings.ReadInteger("n", "min", -1), -2147483647 - 1);
  EXPECT_EQ(settings.ReadInteger("n", "hexmax", -1), 2147483647);
  for (const char* key : {"inner", "tail", "prefix", "hexminus", "plusminus", "big", "hexbig", "empty", "letters"})
    EXPECT_EQ(settings.ReadInteger("n", key, -1), -1) << key;
}

TEST_F(IniGTTest, StringsLoseTheirQuotesOrCornerBrackets) {
  const TIniGT settings = SettingsWith(
      "[JvDataGet]\n"
      "LastTime=\"2024/05/01 09:30:00\"\n"
      "empty=\"\"\n"
      "opening=\"2024/05/01\n"
      "single=\"\n"
      "corners=\xA2  padded  \xA3\n"
      "emptycorners=\xA2\xA3\n"
      "mixed=\"abc\xA3\n"
      "trail=\xA2\x82\xA3\n"  // ends in a double-byte character whose second byte is 0xA3
      "inner=a \"b\" c\n"
      "blanks=   plain text   \n"
      "nothing=\n");
  auto read = [&](const char* key) { return settings.ReadString("JvDataGet", key, "default"); };
  EXPECT_EQ(read("LastTime"), "2024/05/01 09:30:00");
  EXPECT_EQ(read("empty"), "");
  EXPECT_EQ(read("opening"), "\"2024/05/01");
  EXPECT_EQ(read("single"), "\"");
  EXPECT_EQ(read("corners"), "  padded  ");
  EXPECT_EQ(read("emptycorners"), "");
  EXPECT_EQ(read("mixed"), "\"abc\xA3");
  EXPECT_EQ(read("trail"), "\xA2\x82\xA3");
  EXPECT_EQ(read("inner"), "a \"b\" c");
  EXPECT_EQ(read("blanks"), "plain text");
  EXPECT_EQ(read("nothing"), "");
  EXPECT_EQ(read("missing"), "default");
}

TEST_F(IniGTTest, OnlyTheFirst2047BytesOfAValueAreSeen) {
  const std::string doubleByte = "\x82\xA0";
  const TIniGT settings = SettingsWith("[s]\nlong=" + std::string(3000, 'a') + "\nsplit=" + std::string(2046, 'b') +
                                       doubleByte + "\nquoted=\"" + std::string(3000, 'c') + "\"\n");
  EXPECT_EQ(settings.ReadString("s", "long", ""), std::string(2047, 'a'));
  EXPECT_EQ(settings.ReadString("s", "split", ""), std::string(2046, 'b'));  // no half character
  EXPECT_EQ(settings.ReadString("s", "quoted", ""), "\"" + std::string(2046, 'c'));
}

TEST_F(IniGTTest, AWriteKeepsTheRestOfTheFileAsItWas) {
  const std::string before =
      "; Torvane settings\r\n"
      "[locate]\r\n"
      "Top = 10\r\n"
      "left=10\r\n"
      "unknown line\r\n"
      "\r\n"
      "[JvDataGet]\r\n"
      "LastTime=\"2024/05/01 09:30:00\"\r\n"
      "[PrintZoom]\r\n"
      "ratio=1";
  TIniGT settings = SettingsWith(before);
  ASSERT_TRUE(settings.WriteInteger("locate", "top", 99));
  ASSERT_TRUE(settings.WriteInteger("locate", "width", 800));
  ASSERT_TRUE(settings.WriteString("JvDataGet", "LastTime", "2024/06/02 10:00:00"));
  ASSERT_TRUE(settings.WriteInteger("PrintZoom", "ratio", 3));
  ASSERT_TRUE(settings.WriteBool("datalist", "close", true));
  EXPECT_EQ(StoredText(),
            "; Torvane settings\r\n"
            "[locate]\r\n"
            "Top =99\r\n"
            "left=10\r\n"
            "unknown line\r\n"
            "width=800\r\n"
            "\r\n"
            "[JvDataGet]\r\n"
            "LastTime=2024/06/02 10:00:00\r\n"
            "[PrintZoom]\r\n"
            "ratio=3\r\n"
            "[datalist]\r\n"
            "close=1\r\n");
}

TEST_F(IniGTTest, AWriteReplacesTheWholeFileAtOnce) {
  TIniGT settings = SettingsWith("[locate]\ntop=1\n");
  fs::permissions(SettingsPath(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  std::ifstream earlier(SettingsPath(), std::ios::binary);  // opened before the write

  ASSERT_TRUE(settings.WriteInteger("locate", "top", 2));

  // A reader of the old file still sees the old file whole: it was replaced, not rewritten in place.
  std::ostringstream seen;
  seen << earlier.rdbuf();
  EXPECT_EQ(seen.str(), "[locate]\ntop=1\n");
  EXPECT_EQ(StoredText(), "[locate]\ntop=2\n");
  EXPECT_EQ(fs::status(SettingsPath()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(EntryCount(), 2);  // torvane.ini and its lock file: no temporary file left
}

// Writers on other components (other windows, the command-line tool) each
// read the file and replace it: without the lock across both steps, one
// puts back a copy that lacks the key another had just written.
TEST_F(IniGTTest, EveryWriteThatReturnedTrueIsInTheFileWhoeverElseWrites) {
  constexpr int kWriters = 4;
  constexpr int kKeysEach = 40;
  std::vector<std::thread> writers;
  std::atomic<int> refused{0};
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&, w] {
      TIniGT settings = Settings();
      for (int k = 0; k < kKeysEach; ++k) {
        const std::string key = "w" + std::to_string(w) + "k" + std::to_string(k);
        const bool written = k % 2 == 0 ? settings.WriteInteger("JvDataGet", key, k)
                                        : settings.WriteIntegers("locate", {{key, k}, {key + "b", k}});
        if (!written) ++refused;
      }
    });
  }
  for (std::thread& writer : writers) writer.join();

  EXPECT_EQ(refused, 0);
  const TIniGT settings = Settings();
  int lost = 0;
  for (int w = 0; w < kWriters; ++w)
    for (int k = 0; k < kKeysEach; ++k) {
      const std::string key = "w" + std::to_string(w) + "k" + std::to_string(k);
      const std::string section = k % 2 == 0 ? "JvDataGet" : "locate";
      if (settings.ReadInteger(section, key, -1) != k) ++lost;
      if (k % 2 == 1 && settings.ReadInteger(section, key + "b", -1) != k) ++lost;
    }
  EXPECT_EQ(lost, 0) << "of " << kWriters * kKeysEach << " writes";
}

TEST_F(IniGTTest, AWriteThroughALinkReplacesItsTarget) {
  WriteFile(dir_ / "real.ini", "[a]\nk=1\n");
  fs::create_symlink(dir_ / "real.ini", SettingsPath());
  TIniGT settings = Settings();
  ASSERT_TRUE(settings.WriteInteger("a", "k", 2));
  EXPECT_TRUE(fs::is_symlink(SettingsPath()));
  EXPECT_EQ(ReadFile(dir_ / "real.ini"), "[a]\nk=2\n");
}

TEST_F(IniGTTest, AFailedWriteReportsItAndChangesNothing) {
  TIniGT settings = SettingsWith("[a]\nk=1\n");
  EXPECT_FALSE(settings.WriteString("a", "k", "1\r\n[b]\r\nx=2"));
  EXPECT_FALSE(settings.WriteString("a", "", "v"));
  EXPECT_EQ(StoredText(), "[a]\nk=1\n");

  settings.SetFileName((dir_ / "missing" / "x.ini").string());
  EXPECT_FALSE(settings.WriteInteger("a", "k", 2));
  settings.SetFileName("");
  EXPECT_EQ(settings.ReadInteger("a", "k", 5), 5);
  EXPECT_FALSE(settings.WriteInteger("a", "k", 2));

  // A settings path taken by a directory can be neither read nor replaced.
  fs::create_directory(dir_ / "taken.ini");
  settings.SetFileName((dir_ / "taken.ini").string());
  EXPECT_EQ(settings.ReadInteger("a", "k", 5), 5);
  EXPECT_FALSE(settings.WriteInteger("a", "k", 2));
  EXPECT_TRUE(fs::is_directory(dir_ / "taken.ini"));
  EXPECT_EQ(EntryCount(), 4);  // torvane.ini, taken.ini and their lock files: no temporary file left
}

TEST_F(IniGTTest, AReadOnlyFileAndALinkInPlaceOfTheLockFileAreNotWrittenThrough) {
  TIniGT settings = SettingsWith("[a]\nk=1\n");
  fs::permissions(SettingsPath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(settings.WriteInteger("a", "k", 2));
  EXPECT_EQ(StoredText(), "[a]\nk=1\n");
  EXPECT_EQ(fs::status(SettingsPath()).permissions() & fs::perms::owner_write, fs::perms::none);

  fs::permissions(SettingsPath(), fs::perms::owner_write, fs::perm_options::add);
  fs::path lock = SettingsPath();
  lock += ".lock";
  fs::remove(lock);
  const fs::path outside = dir_ / "elsewhere" / "made.lock";
  fs::create_directory(outside.parent_path());
  fs::create_symlink(outside, lock);
  EXPECT_FALSE(settings.WriteInteger("a", "k", 2));
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_EQ(StoredText(), "[a]\nk=1\n");
}

TEST_F(IniGTTest, AFifoInPlaceOfTheFileIsNeitherWaitedOnNorReplaced) {
  TIniGT settings = SettingsWith("[a]\nk=1\n");
  test::MakeFifo(dir_ / "fifo.ini");
  settings.SetFileName((dir_ / "fifo.ini").string());
  EXPECT_TRUE(test::ReturnsWithoutWaiting(dir_ / "fifo.ini", [&] {
    EXPECT_EQ(settings.ReadInteger("a", "k", 5), 5);
    EXPECT_FALSE(settings.WriteInteger("a", "k", 2));
  }));
  EXPECT_EQ(fs::status(dir_ / "fifo.ini").type(), fs::file_type::fifo);
  EXPECT_EQ(EntryCount(), 3);  // torvane.ini, fifo.ini and its lock file: no temporary file left
}

TEST_F(IniGTTest, GarbledAndHugeFilesReadSafelyAndKeepTheirBytes) {
  std::string garbage;
  for (int i = 0; i < 65536; ++i) garbage.push_back(static_cast<char>((i * 7919 + i / 256) % 256));
  TIniGT garbled = SettingsWith(garbage);
  EXPECT_EQ(garbled.ReadInteger("locate", "top", 10), 10);
  EXPECT_EQ(garbled.ReadString("JvDataGet", "LastTime", "d"), "d");
  ASSERT_TRUE(garbled.WriteInteger("locate", "top", 11));
  EXPECT_EQ(StoredText().substr(0, garbage.size()), garbage);
  EXPECT_EQ(garbled.ReadInteger("locate", "top", 10), 11);

  std::string huge;
  for (int i = 0; i < 200000; ++i) huge += "[s" + std::to_string(i) + "]\nkey=value " + std::to_string(i) + "\n";
  huge += "[PrintZoom]\nratio=2";
  TIniGT large = SettingsWith(huge);
  EXPECT_EQ(large.ReadInteger("printzoom", "ratio", 1), 2);
  EXPECT_EQ(large.ReadString("s199999", "key", ""), "value 199999");
  ASSERT_TRUE(large.WriteInteger("PrintZoom", "ratio", 0));
  EXPECT_EQ(StoredText(), huge.substr(0, huge.size() - 1) + "0");
}

}  // namespace
}  // namespace torvane
