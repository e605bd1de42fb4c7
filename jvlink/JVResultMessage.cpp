#include "jvlink/JVResultMessage.h"

#include <optional>
#include <span>

namespace torvane {
namespace {

struct CodeText {
  std::int32_t code;
  std::string_view text;
};

// The server and service-key codes, as the opening methods word them: with
// full-width brackets and blanks around numbers and Latin words.
constexpr CodeText kServerTexts[] = {
    {-211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
    {-301, "認証エラーが発生しました。"},
    {-302, "サービスキーの有効期限切れです。"},
    {-303, "サービスキーが設定されていません。（サービスキーが空値）"},
    {-401, "JV- Link 内部エラーが発生しました。"},
    {-411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
    {-412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
    {-413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
    {-421, "サーバーエラー（サーバーの応答が不正）が発生しました。"},
    {-431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
    {-504, "サーバーがメンテナンス中です。"},
};

constexpr CodeText kJVInitTexts[] = {
    {0, "正常に実行されました。"},
    {-101, "sid が設定されていません。"},
    {-102, "sid が64byte 以上あります。"},
    {-103, "sid が不正（sid の１桁目がスペース）です。"},
};

constexpr CodeText kJVSetTexts[] = {
    {0, "正常に実行されました。"},
    {-100, "パラメータが不正あるいはレジストリへの保存に失敗しました。"},
    {-101, "すでにサービスキーが登録されています。"},
};

constexpr CodeText kJVOpenTexts[] = {
    {0, "正常に実行されました。"},
    {-1, " 取得済みデータより最新のデータがありません。"},
    {-2, "セットアップダイアログでキャンセルが押されました。"},
    {-111, "dataspec パラメータが不正です。"},
    {-112, "fromdate パラメータが不正です。"},
    {-114, "key パラメータが不正です。"},
    {-115, "option パラメータが不正です。"},
    {-116, "dataspec とoption の組み合わせが不正です。"},
    {-201, "JVInit が行なわれていません。"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
    {-501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
};

constexpr CodeText kJVStatusTexts[] = {
    {0, "正常に実行されました。"},
    {-201, "JVInitが行なわれていません。"},
    {-203, "JVOpenが行なわれていません。"},
    {-502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）"},
};

constexpr CodeText kJVReadTexts[] = {
    {0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）"},
    {-1, "ファイルが切り替わりました。"},
    {-3, "ファイルダウンロード中"},
    {-201, "JVInitが行なわれていません。"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
    {-203, "JVOpenが行なわれていません。"},
    {-402, "ダウンロードしたファイルサイズが異常です。"},
    {-403, "ダウンロードしたファイル内容が異常です。"},
    {-502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)"},
    {-503, "ファイルが見つかりません。"},
};

constexpr CodeText kJVCloseTexts[] = {
    {0, "正常に実行されました。"},
};

struct MethodTexts {
  std::span<const CodeText> own;
  std::span<const CodeText> server;  // empty for methods that never reach the server
};

std::optional<MethodTexts> TextsOf(std::string_view method) {
  if (method == "JVInit") return MethodTexts{kJVInitTexts, {}};
  // Every setter (JVSetUIProperties, JVSetServiceKey, ...) shares one row set.
  if (method.starts_with("JVSet")) return MethodTexts{kJVSetTexts, {}};
  if (method == "JVOpen" || method == "JVRTOpen") return MethodTexts{kJVOpenTexts, kServerTexts};
  if (method == "JVStatus") return MethodTexts{kJVStatusTexts, {}};
  if (method == "JVRead" || method == "JVGets") return MethodTexts{kJVReadTexts, {}};
  if (method == "JVClose") return MethodTexts{kJVCloseTexts, {}};
  return std::nullopt;
}

std::optional<std::string_view> Find(std::span<const CodeText> texts, std::int32_t code) {
  for (const CodeText& entry : texts)
    if (entry.code == code) return entry.text;
  return std::nullopt;
}

// Positive results that carry a count rather than a status.
std::string CountText(std::string_view method, std::int32_t code) {
  if (method == "JVStatus") return "ダウンロード済みファイル数" + std::to_string(code);
  if (method == "JVRead" || method == "JVGets") return "バッファにセットしたデータのサイズ" + std::to_string(code);
  return {};
}

std::string DescriptionOf(std::string_view method, std::int32_t code) {
  const std::optional<MethodTexts> texts = TextsOf(method);
  if (!texts) return {};
  if (auto text = Find(texts->own, code)) return std::string(*text);
  if (auto text = Find(texts->server, code)) return std::string(*text);
  return code > 0 ? CountText(method, code) : std::string();
}

}  // namespace

std::string JVResultMessage(std::string_view methodName, std::int32_t code) {
  return DescriptionOf(methodName, code) + "(" + std::to_string(code) + ")";
}

}  // namespace torvane
