#include "platform/SystemErrorText.h"

#include <filesystem>

#include "platform/FileError.h"
#include "platform/Paths.h"

namespace torvane {
namespace {

std::string ActionText(platform::FileAction action, const std::string& path) {
  switch (action) {
    case platform::FileAction::Open:
      return path + " を開けません";
    case platform::FileAction::Read:
      return path + " を読み込めません";
    case platform::FileAction::ReadSize:
      return path + " の大きさを読み取れません";
    case platform::FileAction::Examine:
      return path + " を調べられません";
    case platform::FileAction::Write:
      return path + " に書き込めません";
    case platform::FileAction::Replace:
      return path + " を置き換えられません";
    case platform::FileAction::CreateDirectory:
      return "フォルダ " + path + " を作成できません";
    case platform::FileAction::Lock:
      return path + " をロックできません";
    case platform::FileAction::Flush:
      return path + " のデータをディスクに書き出せません";
  }
  return path + " を使えません";
}

}  // namespace

std::string SystemReasonText(std::error_code code) {
  // The portable condition, so that POSIX and Windows codes read the same.
  const std::error_condition condition = code.default_error_condition();
  if (condition == std::errc::permission_denied || condition == std::errc::operation_not_permitted)
    return "アクセスする権限がありません";
  if (condition == std::errc::no_space_on_device) return "ディスクの空き容量が足りません";
  if (condition == std::errc::read_only_file_system) return "読み取り専用のファイルシステムです";
  if (condition == std::errc::no_such_file_or_directory) return "ファイルまたはフォルダがありません";
  if (condition == std::errc::not_a_directory) return "フォルダではありません";
  if (condition == std::errc::is_a_directory) return "フォルダです";
  if (condition == std::errc::filename_too_long) return "名前が長すぎます";
  if (condition == std::errc::io_error) return "入出力エラーが発生しました";
  return "システムエラー（番号 " + std::to_string(code.value()) + "）";
}

std::string JapaneseErrorText(const std::exception& error) {
  if (const auto* store = dynamic_cast<const platform::FileError*>(&error); store && store->Code())
    return ActionText(store->Action(), platform::Utf8OfPath(store->Path())) + "（" + SystemReasonText(store->Code()) +
           "）";
  if (const auto* system = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
    std::string paths = platform::Utf8OfPath(system->path1());
    if (!system->path2().empty()) paths += "、" + platform::Utf8OfPath(system->path2());
    if (paths.empty()) return SystemReasonText(system->code());
    return paths + "：" + SystemReasonText(system->code());
  }
  return error.what();
}

}  // namespace torvane
