// The racecourse and country table: central racecourses "01".."10", local
// racecourses "30".."61" and foreign countries, each name in five forms of
// fixed CP932 width.

#include <algorithm>
#include <array>

#include "codes/KeibaFunc.h"

namespace torvane {
namespace {

// How CourseGroupName names a code.
enum class CourseGroup : unsigned char { kCentral, kLocal, kForeign, kUngrouped };
using enum CourseGroup;

// Forms 0 (6 bytes), 1 (2 bytes; "A2" has 3), 2 (4 bytes), 3 (6 bytes) and
// 9 (20 bytes).
struct CourseRow {
  std::string_view code;
  std::array<std::string_view, 5> forms;
  CourseGroup group;
};

// Sorted by code for the binary search.
constexpr std::array<CourseRow, 114> kCourses{{
    {"01", {"札幌  ", "札", "札幌", "札幌  ", "札幌競馬場　　　　　"}, kCentral},
    {"02", {"函館  ", "函", "函館", "函館  ", "函館競馬場　　　　　"}, kCentral},
    {"03", {"福島  ", "福", "福島", "福島  ", "福島競馬場　　　　　"}, kCentral},
    {"04", {"新潟  ", "新", "新潟", "新潟  ", "新潟競馬場　　　　　"}, kCentral},
    {"05", {"東京  ", "東", "東京", "東京  ", "東京競馬場　　　　　"}, kCentral},
    {"06", {"中山  ", "中", "中山", "中山  ", "中山競馬場　　　　　"}, kCentral},
    {"07", {"中京  ", "名", "中京", "中京  ", "中京競馬場　　　　　"}, kCentral},
    {"08", {"京都  ", "京", "京都", "京都  ", "京都競馬場　　　　　"}, kCentral},
    {"09", {"阪神  ", "阪", "阪神", "阪神  ", "阪神競馬場　　　　　"}, kCentral},
    {"10", {"小倉  ", "小", "小倉", "小倉  ", "小倉競馬場　　　　　"}, kCentral},
    {"30", {"門別  ", "門", "門別", "門別  ", "門別競馬場　　　　　"}, kLocal},
    {"31", {"北見  ", "北", "北見", "北見  ", "北見競馬場　　　　　"}, kLocal},
    {"32", {"岩見沢", "岩", "岩見", "岩見沢", "岩見沢競馬場　　　　"}, kLocal},
    {"33", {"帯広  ", "帯", "帯広", "帯広  ", "帯広競馬場　　　　　"}, kLocal},
    {"34", {"旭川  ", "旭", "旭川", "旭川  ", "旭川競馬場　　　　　"}, kLocal},
    {"35", {"盛岡  ", "盛", "盛岡", "盛岡  ", "盛岡競馬場　　　　　"}, kLocal},
    {"36", {"水沢  ", "水", "水沢", "水沢  ", "水沢競馬場　　　　　"}, kLocal},
    {"37", {"上山  ", "上", "上山", "上山  ", "上山競馬場　　　　　"}, kLocal},
    {"38", {"三条  ", "三", "三条", "三条  ", "三条競馬場　　　　　"}, kLocal},
    {"39", {"足利  ", "足", "足利", "足利  ", "足利競馬場　　　　　"}, kLocal},
    {"40", {"宇都宮", "宇", "宇都", "宇都宮", "宇都宮競馬場　　　　"}, kLocal},
    {"41", {"高崎  ", "高", "高崎", "高崎  ", "高崎競馬場　　　　　"}, kLocal},
    {"42", {"浦和  ", "浦", "浦和", "浦和  ", "浦和競馬場　　　　　"}, kLocal},
    {"43", {"船橋  ", "船", "船橋", "船橋  ", "船橋競馬場　　　　　"}, kLocal},
    {"44", {"大井  ", "大", "大井", "大井  ", "大井競馬場　　　　　"}, kLocal},
    {"45", {"川崎  ", "川", "川崎", "川崎  ", "川崎競馬場　　　　　"}, kLocal},
    {"46", {"金沢  ", "金", "金沢", "金沢  ", "金沢競馬場　　　　　"}, kLocal},
    {"47", {"笠松  ", "笠", "笠松", "笠松  ", "笠松競馬場　　　　　"}, kLocal},
    {"48", {"名古屋", "古", "名古", "名古屋", "名古屋競馬場　　　　"}, kLocal},
    {"49", {"紀三井", "紀", "紀三", "紀三寺", "紀三井寺競馬場　　　"}, kLocal},
    {"50", {"園田  ", "園", "園田", "園田  ", "園田競馬場　　　　　"}, kLocal},
    {"51", {"姫路  ", "姫", "姫路", "姫路  ", "姫路競馬場　　　　　"}, kLocal},
    {"52", {"益田  ", "益", "益田", "益田  ", "益田競馬場　　　　　"}, kLocal},
    {"53", {"福山  ", "福", "福山", "福山  ", "福山競馬場　　　　　"}, kLocal},
    {"54", {"高知  ", "高", "高知", "高知  ", "高知競馬場　　　　　"}, kLocal},
    {"55", {"佐賀  ", "佐", "佐賀", "佐賀  ", "佐賀競馬場　　　　　"}, kLocal},
    {"56", {"荒尾  ", "荒", "荒尾", "荒尾  ", "荒尾競馬場　　　　　"}, kLocal},
    {"57", {"中津  ", "中", "中津", "中津  ", "中津競馬場　　　　　"}, kLocal},
    {"58", {"札幌  ", "札", "札幌", "札幌  ", "札幌競馬場(地方競馬)"}, kLocal},
    {"59", {"函館  ", "函", "函館", "函館  ", "函館競馬場(地方競馬)"}, kLocal},
    {"60", {"新潟  ", "新", "新潟", "新潟  ", "新潟競馬場(地方競馬)"}, kLocal},
    {"61", {"中京  ", "名", "中京", "中京  ", "中京競馬場(地方競馬)"}, kLocal},
    {"A0", {"他外国", "外", "他外", "他外国", "その他の外国　　　　"}, kForeign},
    {"A2", {"日本  ", "日 ", "日本", "日本  ", "日本　　　　　　　　"}, kForeign},
    {"A4", {"ｱﾒﾘｶ  ", "米", "アメ", "アメリ", "アメリカ　　　　　　"}, kForeign},
    {"A6", {"ｲｷﾞﾘｽ ", "英", "イギ", "イギリ", "イギリス　　　　　　"}, kForeign},
    {"A8", {"ﾌﾗﾝｽ  ", "仏", "フラ", "フラン", "フランス　　　　　　"}, kForeign},
    {"B0", {"インド", "印", "イン", "インド", "インド　　　　　　　"}, kForeign},
    {"B2", {"ｱｲﾙﾗﾝﾄ", "愛", "アイ", "アイル", "アイルランド　　　　"}, kForeign},
    {"B4", {"ﾆｭｰｼﾞｰ", "新", "ニュ", "ニュー", "ニュージーランド　　"}, kForeign},
    {"B6", {"ｵｰｽﾄﾗﾘ", "豪", "オー", "オース", "オーストラリア　　　"}, kForeign},
    {"B8", {"カナダ", "加", "カナ", "カナダ", "カナダ　　　　　　　"}, kForeign},
    {"C0", {"ｲﾀﾘｱ  ", "伊", "イタ", "イタリ", "イタリア　　　　　　"}, kForeign},
    {"C2", {"ドイツ", "独", "ドイ", "ドイツ", "ドイツ　　　　　　　"}, kForeign},
    {"C4", {"      ", "  ", "    ", "      ", "　　　　　　　　　　"}, kForeign},
    {"C5", {"ｵﾏｰﾝ  ", "オ", "オマ", "オマー", "オマーン　　　　　　"}, kUngrouped},
    {"C6", {"イラク", "イ", "イラ", "イラク", "イラク　　　　　　　"}, kForeign},
    {"C7", {"ｱﾗﾌﾞ首", "首", "ア首", "アラブ", "アラブ首長国連邦　　"}, kForeign},
    {"C8", {"シリア", "叙", "シリ", "シリア", "シリア　　　　　　　"}, kForeign},
    {"D0", {"ｽｳｪｰﾃﾞ", "瑞", "スウ", "スウェ", "スウェーデン　　　　"}, kForeign},
    {"D2", {"ﾊﾝｶﾞﾘｰ", "洪", "ハン", "ハンガ", "ハンガリー　　　　　"}, kForeign},
    {"D4", {"ﾎﾟﾙﾄｶﾞ", "葡", "ポル", "ポルト", "ポルトガル　　　　　"}, kForeign},
    {"D6", {"ロシア", "露", "ロシ", "ロシア", "ロシア　　　　　　　"}, kForeign},
    {"D8", {"ｳﾙｸﾞｱｲ", "ウ", "ウル", "ウルグ", "ウルグアイ　　　　　"}, kForeign},
    {"E0", {"ペルー", "秘", "ペル", "ペルー", "ペルー　　　　　　　"}, kForeign},
    {"E2", {"ｱﾙｾﾞﾝﾁ", "亜", "アル", "アルゼ", "アルゼンチン　　　　"}, kForeign},
    {"E4", {"ﾌﾞﾗｼﾞﾙ", "伯", "ブラ", "ブラジ", "ブラジル　　　　　　"}, kForeign},
    {"E6", {"ﾍﾞﾙｷﾞｰ", "白", "ベル", "ベルギ", "ベルギー　　　　　　"}, kForeign},
    {"E8", {"トルコ", "土", "トル", "トルコ", "トルコ　　　　　　　"}, kForeign},
    {"F0", {"韓国  ", "韓", "韓国", "韓国  ", "韓国　　　　　　　　"}, kForeign},
    {"F1", {"中国  ", "中", "中国", "中国  ", "中国　　　　　　　　"}, kForeign},
    {"F2", {"チリ  ", "智", "チリ", "チリ  ", "チリ　　　　　　　　"}, kForeign},
    {"F4", {"      ", "  ", "    ", "      ", "　　　　　　　　　　"}, kForeign},
    {"F6", {"      ", "  ", "    ", "      ", "　　　　　　　　　　"}, kForeign},
    {"F8", {"パナマ", "巴", "パナ", "パナマ", "パナマ　　　　　　　"}, kForeign},
    {"G0", {"香港  ", "香", "香港", "香港  ", "香港　　　　　　　　"}, kForeign},
    {"G2", {"ｽﾍﾟｲﾝ ", "西", "スペ", "スペイ", "スペイン　　　　　　"}, kForeign},
    {"G4", {"      ", "  ", "    ", "      ", "　　　　　　　　　　"}, kForeign},
    {"G6", {"      ", "  ", "    ", "      ", "　　　　　　　　　　"}, kForeign},
    {"G8", {"      ", "  ", "    ", "      ", "　　　　　　　　　　"}, kForeign},
    {"H0", {"西ﾄﾞｲﾂ", "独", "西独", "西独　", "西ドイツ　　　　　　"}, kForeign},
    {"H2", {"南ｱﾌﾘｶ", "南", "南ア", "南アフ", "南アフリカ　　　　　"}, kForeign},
    {"H4", {"スイス", "ス", "スイ", "スイス", "スイス　　　　　　　"}, kUngrouped},
    {"H6", {"モナコ", "モ", "モナ", "モナコ", "モナコ　　　　　　　"}, kUngrouped},
    {"H8", {"ﾌｨﾘﾋﾟﾝ", "比", "フィ", "フィリ", "フィリピン　　　　　"}, kUngrouped},
    {"I0", {"ﾌﾟｴﾙﾄﾘ", "プ", "プエ", "プエル", "プエルトリコ　　　　"}, kUngrouped},
    {"I2", {"ｺﾛﾝﾋﾞｱ", "コ", "コロ", "コロン", "コロンビア　　　　　"}, kUngrouped},
    {"I4", {"ﾁｪｺｽﾛﾊ", "チ", "チェ", "チェコ", "チェコスロバキア　　"}, kUngrouped},
    {"I6", {"チェコ", "チ", "チェ", "チェコ", "チェコ　　　　　　　"}, kUngrouped},
    {"I8", {"ｽﾛﾊﾞｷｱ", "ス", "スロ", "スロバ", "スロバキア　　　　　"}, kUngrouped},
    {"J0", {"ｴｸｱﾄﾞﾙ", "エ", "エク", "エクア", "エクアドル　　　　　"}, kUngrouped},
    {"J2", {"ｷﾞﾘｼｬ ", "ギ", "ギリ", "ギリシ", "ギリシャ　　　　　　"}, kUngrouped},
    {"J4", {"ﾏﾚｰｼｱ ", "馬", "マレ", "マレー", "マレーシア　　　　　"}, kUngrouped},
    {"J6", {"ﾒｷｼｺ  ", "墨", "メキ", "メキシ", "メキシコ　　　　　　"}, kUngrouped},
    {"J8", {"ﾓﾛｯｺ  ", "摩", "モロ", "モロッ", "モロッコ　　　　　　"}, kUngrouped},
    {"K0", {"ﾊﾟｷｽﾀﾝ", "基", "パキ", "パキス", "パキスタン　　　　　"}, kUngrouped},
    {"K2", {"ﾎﾟｰﾗﾝﾄ", "波", "ポー", "ポーラ", "ポーランド　　　　　"}, kUngrouped},
    {"K4", {"ﾊﾟﾗｸﾞｱ", "拉", "パラ", "パラグ", "パラグアイ　　　　　"}, kUngrouped},
    {"K6", {"ｻｳｼﾞｱﾗ", "サ", "サウ", "サウジ", "サウジアラビア　　　"}, kUngrouped},
    {"K8", {"ｷﾌﾟﾛｽ ", "キ", "キプ", "キプロ", "キプロス　　　　　　"}, kUngrouped},
    {"L0", {"タイ　", "泰", "タイ", "タイ　", "タイ　　　　　　　　"}, kUngrouped},
    {"L2", {"ｳｸﾗｲﾅ ", "烏", "ウク", "ウクラ", "ウクライナ　　　　　"}, kUngrouped},
    {"L4", {"ﾍﾞﾈｽﾞｴ", "ベ", "ベネ", "ベネゼ", "ベネズエラ　　　　　"}, kUngrouped},
    {"L6", {"ﾕｰｺﾞｽﾗ", "ユ", "ユー", "ユーゴ", "ユーゴスラビア　　　"}, kUngrouped},
    {"L8", {"ﾃﾞﾝﾏｰｸ", "丁", "デン", "デンマ", "デンマーク　　　　　"}, kUngrouped},
    {"M0", {"ｼﾝｶﾞﾎﾟ", "嘉", "シン", "シンガ", "シンガポール　　　　"}, kUngrouped},
    {"M2", {"マカオ", "澳", "澳門", "マカオ", "マカオ　　　　　　　"}, kUngrouped},
    {"M4", {"ｵｰｽﾄﾘｱ", "墺", "オー", "オース", "オーストリア　　　　"}, kUngrouped},
    {"M6", {"ﾖﾙﾀﾞﾝ ", "ヨ", "ヨル", "ヨルダ", "ヨルダン　　　　　　"}, kUngrouped},
    {"M8", {"ｶﾀｰﾙ  ", "カ", "カタ", "カター", "カタール　　　　　　"}, kUngrouped},
    {"N0", {"東ﾄﾞｲﾂ", "独", "東独", "東独　", "東ドイツ　　　　　　"}, kUngrouped},
    {"N2", {"ﾊﾞｰﾚｰﾝ", "バ", "バー", "バーレ", "バーレーン　　　　　"}, kUngrouped},
    {"N4", {"ｶｻﾞﾌｽﾀ", "カ", "カザ", "カザフ", "カザフスタン　　　　"}, kUngrouped},
    {"N6", {"ﾓｰﾘｼｬｽ", "モ", "モー", "モーリ", "モーリシャス　　　　"}, kUngrouped},
}};
static_assert(std::ranges::is_sorted(kCourses, {}, &CourseRow::code), "the search needs the codes in order");
static_assert(std::ranges::adjacent_find(kCourses, {}, &CourseRow::code) == kCourses.end(), "codes are unique");

// What an unknown code gives in each form; form 9 is six blanks, not twenty.
constexpr std::array<std::string_view, 5> kUnknownCourse{"      ", "  ", "    ", "      ", "      "};

const CourseRow* FindCourse(std::string_view code) {
  const auto it = std::ranges::lower_bound(kCourses, code, {}, &CourseRow::code);
  return it != kCourses.end() && it->code == code ? &*it : nullptr;
}

}  // namespace

std::string CourseName(std::string_view code, int form) {
  std::size_t column;
  switch (form) {
    case 0:
    case 1:
    case 2:
    case 3:
      column = static_cast<std::size_t>(form);
      break;
    case 9:
      column = 4;
      break;
    default:
      return {};
  }
  const CourseRow* row = FindCourse(code);
  return std::string(row ? row->forms[column] : kUnknownCourse[column]);
}

std::string CourseGroupName(std::string_view code) {
  const CourseRow* row = FindCourse(code);
  switch (row ? row->group : kUngrouped) {
    case kCentral:
      return std::string(row->forms[0]);
    case kLocal:
      return "地方  ";
    case kForeign:
      return "海外  ";
    case kUngrouped:
      break;
  }
  return "      ";
}

}  // namespace torvane
