#include "demo/DemoNames.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace torvane {
namespace {

constexpr std::array kHorseCrowns{
    "トーヴァ", "ミツボシ", "カザハナ", "ユメミ", "アオバ", "シラユキ", "ハヤテ", "ホシノ", "ツキノ", "ソラノ",
    "ミナモ",   "アサヒ",   "ヤマト",   "カネノ", "タマモ", "ワカバ",   "コトノ", "サクラ", "ヒカリ", "マツカゼ",
};

constexpr std::array kHorseWords{
    "スター",   "ライト",     "ブレイブ",     "ウインド",   "ソード",     "ムーン",     "クイーン",     "キング",
    "ローズ",   "シャイン",   "ドリーム",     "フラッシュ", "ブルー",     "レッド",     "ゴールド",     "シルバー",
    "ホープ",   "ミラクル",   "エース",       "クラウン",   "ナイト",     "フォース",   "ストーム",     "グレイス",
    "ハート",   "ビート",     "ロード",       "スカイ",     "サンダー",   "ブリーズ",   "アロー",       "ジェム",
    "ルビー",   "オーラ",     "ノヴァ",       "リオン",     "マリン",     "ヴィータ",   "アルマ",       "ベル",
    "カノン",   "ソレイユ",   "エトワール",   "ルミエール", "シエル",     "アモーレ",   "ボニート",     "フエゴ",
    "セレーノ", "ティアラ",   "メロディ",     "リズム",     "ワルツ",     "ソナタ",     "カルマ",       "ゼファー",
    "オリオン", "ペガサス",   "フェニックス", "タイガー",   "ファルコン", "イーグル",   "ホーク",       "ウルフ",
    "ライオン", "パンサー",   "ドラゴン",     "ジャガー",   "コメット",   "プラネット", "ギャラクシー", "オーシャン",
    "リバー",   "フォレスト", "マウンテン",   "バレー",     "ガーデン",   "パレス",     "キャッスル",   "タワー",
    "ブリッジ", "ゲート",     "ハーバー",     "アイランド", "デザート",   "ツンドラ",   "プレーリー",   "サバンナ",
    "オアシス", "ミスト",     "レイン",       "スノー",     "フロスト",   "ブレイズ",   "フレア",       "スパーク",
    "ボルト",   "ジェット",   "ロケット",
};

constexpr std::array kSurnames{
    "田中",   "佐藤", "鈴木", "高橋", "渡辺", "伊藤", "山本", "中村", "小林", "加藤", "吉田", "山田", "佐々木", "松本",
    "井上",   "木村", "清水", "山崎", "池田", "橋本", "阿部", "石川", "山下", "中島", "石井", "小川", "前田",   "岡田",
    "長谷川", "藤田", "後藤", "近藤", "村上", "遠藤", "青木", "坂本", "斎藤", "福田", "太田", "西村", "藤井",   "金子",
    "岡本",   "藤原", "三浦", "中野", "中川", "原田", "松田", "竹内", "小野", "田村", "和田", "石田", "上田",   "森田",
    "柴田",   "酒井", "工藤", "横山", "宮崎", "宮本", "内田", "高木", "安藤", "谷口", "大野", "丸山", "今井",   "河野",
    "藤本",   "村田", "武田", "上野", "杉山", "増田", "小島", "平野", "大塚", "千葉", "久保", "松井", "岩崎",   "桜井",
};

constexpr std::array kGivenFirst{"健", "誠", "大", "和", "正", "隆", "雄", "浩", "博", "修", "秀", "勝",
                                 "義", "光", "直", "将", "悠", "翔", "拓", "恭", "信", "輝", "昌", "良"};
constexpr std::array kGivenSecond{"一", "二", "太", "也", "司", "介", "人", "志", "樹", "斗",
                                  "平", "彦", "吾", "朗", "典", "史", "明", "男", "治", "之"};

constexpr std::array kForeignJockeys{"ベルナー", "ロシェル", "マルタン", "ハーディ", "ソレンテ", "ヴァロワ"};

constexpr std::array kRaceWords{
    "若潮",   "房総", "初咲",     "白梅",     "寒椿",     "睦月",     "雪見",   "早春",     "梅花",   "潮騒",
    "湾岸",   "夕凪", "朝凪",     "菜の花",   "紅梅",     "水仙",     "霧島",   "鳴尾",     "須磨",   "摩耶",
    "甲山",   "六甲", "武庫",     "猪名",     "香櫨",     "知多",     "尾張",   "三河",     "熱田",   "木曽",
    "長良",   "揖斐", "伊吹",     "犬山",     "豊川",     "鈴鹿",     "伊良湖", "大府",     "刈谷",   "幕張",
    "習志野", "印旛", "利根",     "筑波",     "富里",     "佐倉",     "銚子",   "勝浦",     "館山",   "鴨川",
    "蓬莱",   "桃花", "若草",     "青葉",     "薫風",     "青嵐",     "紫苑",   "銀河",     "北斗",   "昴",
    "秋嶺",   "冬麗", "雪嶺",     "春望",     "朱雀",     "玄武",     "白虎",   "青龍",     "鳳凰",   "麒麟",
    "飛燕",   "大鷲", "白鷺",     "鶴舞",     "千鳥",     "黒潮",     "浪速",   "淀川",     "大和",   "飛鳥",
    "吉野",   "葛城", "ひいらぎ", "すずらん", "なでしこ", "あじさい", "こぶし", "さざんか", "つばき", "すみれ",
};

constexpr std::array kFarmWords{"北星", "緑風", "千歳", "朝日", "静内", "白樺", "丘陵", "若駒", "日高", "牧原",
                                "清流", "大地", "光陽", "優駿", "幌別", "新生", "東栄", "西山", "豊岡", "春風"};
constexpr std::array kFarmSuffixes{"牧場", "ファーム", "スタッド", "ステーブル"};
constexpr std::array kOwnerSuffixes{"レーシング", "ホールディングス", "サラブレッドクラブ", "ファーム", "商事"};

constexpr std::array kTowns{"浦河町", "新ひだか町", "安平町", "日高町", "新冠町",   "様似町",
                            "平取町", "えりも町",   "千歳市", "白老町", "むかわ町", "洞爺湖町"};
constexpr std::array kCountries{"米", "英", "愛", "仏", "豪"};

// Name lists are large enough that a fresh name comes after a few draws; the
// bound turns a list grown too small into an error instead of a hang.
constexpr int kMaxDraws = 10000;

[[noreturn]] void Exhausted(const char* what) {
  throw std::logic_error(std::string("demo names: no fresh ") + what + " left in the word lists");
}

// The first count characters of a UTF-8 text.
std::string Prefix(const std::string& text, int count) {
  std::size_t end = 0;
  for (int taken = 0; end < text.size() && taken < count; ++taken) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

}  // namespace

int Utf8Length(const std::string& text) {
  int count = 0;
  for (unsigned char byte : text)
    if ((byte & 0xC0) != 0x80) ++count;
  return count;
}

std::string DemoNames::HorseName() {
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    std::string name;
    switch (random_.Weighted({45, 35, 20})) {
      case 0:
        name = std::string(random_.Pick(kHorseCrowns)) + random_.Pick(kHorseWords);
        break;
      case 1:
        name = std::string(random_.Pick(kHorseWords)) + random_.Pick(kHorseWords);
        break;
      default:
        name = random_.Pick(kHorseWords);
    }
    const int length = Utf8Length(name);
    if (length >= 2 && length <= 9 && horseNames_.insert(name).second) return name;
  }
  Exhausted("horse name");
}

std::string DemoNames::PersonShortName() {
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    const std::string surname = random_.Pick(kSurnames);
    if (shortNames_.insert(surname).second) return surname;
    const std::string shortName = surname + random_.Pick(kGivenFirst);
    if (Utf8Length(shortName) <= 4 && shortNames_.insert(shortName).second) return shortName;
  }
  Exhausted("person");
}

std::string DemoNames::ForeignJockey() { return random_.Pick(kForeignJockeys); }

std::string DemoNames::RaceWord() {
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    std::string word = random_.Pick(kRaceWords);
    if (raceWords_.insert(word).second) return word;
  }
  Exhausted("race word");
}

std::string DemoNames::ShortRaceName(DemoRandom& random) {
  static constexpr std::array kSuffixes{"記念", "賞", "杯", "カップ", "ステークス"};
  const std::string word = random.Pick(kRaceWords);
  std::string name;
  do name = word + random.Pick(kSuffixes);  // "ステークス" always gives three
  while (Utf8Length(name) < 3);
  return Prefix(name, 3);
}

std::string DemoNames::Breeder() {
  if (random_.Chance(25)) {
    const std::string given = std::string(random_.Pick(kGivenFirst)) + random_.Pick(kGivenSecond);
    return std::string(random_.Pick(kSurnames)) + given;
  }
  return std::string(random_.Pick(kFarmWords)) + random_.Pick(kFarmSuffixes);
}

std::string DemoNames::Owner() {
  switch (random_.Weighted({35, 25, 40})) {
    case 0:
      return std::string("（有）") + random_.Pick(kFarmWords) + random_.Pick(kOwnerSuffixes);
    case 1:
      return std::string(random_.Pick(kHorseCrowns)) + random_.Pick(kOwnerSuffixes);
    default:
      return std::string(random_.Pick(kSurnames)) + random_.Pick(kGivenFirst) + random_.Pick(kGivenSecond);
  }
}

std::string DemoNames::Birthplace(bool bredAbroad) {
  return bredAbroad ? random_.Pick(kCountries) : random_.Pick(kTowns);
}

}  // namespace torvane
