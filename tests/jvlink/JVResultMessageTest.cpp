#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "jvlink/JVResultMessage.h"

namespace torvane {
namespace {

TEST(JVResultMessage, MethodRowTextIsFollowedByTheBracketedCode) {
  EXPECT_EQ(JVResultMessage("JVOpen", -111), "dataspec パラメータが不正です。(-111)");
  EXPECT_EQ("JVOpenエラー:" + JVResultMessage("JVOpen", -111), "JVOpenエラー:dataspec パラメータが不正です。(-111)");
  EXPECT_EQ(JVResultMessage("JVOpen", -1), " 取得済みデータより最新のデータがありません。(-1)");
  EXPECT_EQ(JVResultMessage("JVInit", 0), "正常に実行されました。(0)");
  EXPECT_EQ(JVResultMessage("JVRead", 0), "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)");
  EXPECT_EQ(JVResultMessage("JVStatus", -502), "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)");
  EXPECT_EQ(JVResultMessage("JVRead", -502), "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)");
  EXPECT_EQ(JVResultMessage("JVOpen", -501), "セットアップ処理においてＣＤ －ＲＯＭ が無効です。(-501)");
}

TEST(JVResultMessage, MethodsSharingARowSetGiveTheSameTexts) {
  for (std::int32_t code : {0, -1, -3, -201, -202, -203, -402, -403, -502, -503})
    EXPECT_EQ(JVResultMessage("JVGets", code), JVResultMessage("JVRead", code)) << code;
  for (std::int32_t code : {0, -1, -2, -111, -116, -202, -211, -411, -504})
    EXPECT_EQ(JVResultMessage("JVRTOpen", code), JVResultMessage("JVOpen", code)) << code;
}

TEST(JVResultMessage, EveryNameBeginningJVSetUsesTheSetterRows) {
  EXPECT_EQ(JVResultMessage("JVSetUIProperties", -101), "すでにサービスキーが登録されています。(-101)");
  EXPECT_EQ(JVResultMessage("JVSetServiceKey", -100),
            "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)");
  EXPECT_EQ(JVResultMessage("JVSet", 0), "正常に実行されました。(0)");
  EXPECT_EQ(JVResultMessage("JVSe", 0), "(0)");
  EXPECT_EQ(JVResultMessage("jvset", 0), "(0)");
  // The setters never talk to the server: no server wording.
  EXPECT_EQ(JVResultMessage("JVSetUIProperties", -411), "(-411)");
}

TEST(JVResultMessage, ServerCodesUseTheWordingOfTheOpeningMethods) {
  // Full-width brackets, blanks, and the misspelt "NotFount".
  EXPECT_EQ(JVResultMessage("JVOpen", -411), "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。(-411)");
  EXPECT_EQ(JVResultMessage("JVOpen", -401), "JV- Link 内部エラーが発生しました。(-401)");
  // Methods without a server set.
  EXPECT_EQ(JVResultMessage("JVRead", -411), "(-411)");
  EXPECT_EQ(JVResultMessage("JVStatus", -504), "(-504)");
  EXPECT_EQ(JVResultMessage("JVClose", -301), "(-301)");
}

TEST(JVResultMessage, PositiveCodesOfCountingMethodsGiveTheCount) {
  EXPECT_EQ(JVResultMessage("JVStatus", 7), "ダウンロード済みファイル数7(7)");
  EXPECT_EQ(JVResultMessage("JVRead", 555), "バッファにセットしたデータのサイズ555(555)");
  EXPECT_EQ(JVResultMessage("JVGets", 1), "バッファにセットしたデータのサイズ1(1)");
  EXPECT_EQ(JVResultMessage("JVOpen", 5), "(5)");
  EXPECT_EQ(JVResultMessage("JVClose", 1), "(1)");
}

TEST(JVResultMessage, UnlistedPairsGiveOnlyTheBracketedCode) {
  EXPECT_EQ(JVResultMessage("JVClose", -1), "(-1)");
  EXPECT_EQ(JVResultMessage("JVCancel", 0), "(0)");
  EXPECT_EQ(JVResultMessage("JVRead", -2), "(-2)");
  EXPECT_EQ(JVResultMessage("jvopen", -111), "(-111)");
  EXPECT_EQ(JVResultMessage("JVOpen ", -111), "(-111)");
  EXPECT_EQ(JVResultMessage("", 0), "(0)");
}

TEST(JVResultMessage, CodeIsPrintedInPlainDecimal) {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(JVResultMessage("JVCancel", kMin), "(-2147483648)");
  EXPECT_EQ(JVResultMessage("JVStatus", kMax), "ダウンロード済みファイル数2147483647(2147483647)");
}

}  // namespace
}  // namespace torvane
