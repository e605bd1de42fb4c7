#pragma once
// The settings component: typed reads and writes of one private-profile
// settings file. Every call goes straight to the file, so a value written
// through one instance is seen at once by any other instance on that file.
//
// Section names, key names and texts are CP932 bytes, as in the file.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Paths.h"

namespace torvane {

class TIniGT {
 public:
  // applicationDir is the executable's directory and executableName its file
  // name; FileName starts as that name with its extension replaced by ".ini",
  // in the application directory. (The viewer and the command-line tool both
  // pass the viewer's name so that they share one file.)
  TIniGT(std::filesystem::path applicationDir, std::string_view executableName);

  const std::string& FileName() const { return fileName_; }
  // A name with a directory part is used as it is; a bare name is placed in
  // the application directory. An empty name leaves no file: reads give their
  // defaults and writes fail.
  void SetFileName(std::string fileName);
  // The settings file's full path, from FileName.
  const std::filesystem::path& FilePath() const { return filePath_; }

  // Reads give the default for a missing or unreadable file, section or key.
  // Writes return whether the value is now in the file, whoever else writes
  // it meanwhile (each write reads the file afresh and replaces it under a
  // lock held on the file FilePath() + ".lock"); they fail (leaving
  // the file as it was) when the file cannot be read or replaced, or when a
  // name is blank or a name or the value holds a line break.

  // An integer value: non-zero is true; a value that is not an integer gives
  // the default.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  // Writes "1" or "0".
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  // Decimal with an optional sign, or hexadecimal after "0x" or "0X"; blanks
  // around the value do not count. Anything else, or a number outside the
  // range of int, gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // Writes the value in decimal.
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  // The stored text (its first 2047 bytes at most) without surrounding
  // blanks; a text enclosed in double quotes or in the corner brackets
  // "｢" "｣" (CP932 0xA2, 0xA3) loses them, which keeps blanks inside.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  // Writes the text unchanged, unquoted.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Writes the keys' values in decimal in one replacement of the file: all
  // of them are in it afterwards, or (false) none.
  bool WriteIntegers(std::string_view section, std::initializer_list<std::pair<std::string_view, int>> values);

 private:
  void ResolvePath();

  std::filesystem::path applicationDir_;
  std::string fileName_;
  std::filesystem::path filePath_;
};

}  // namespace torvane
