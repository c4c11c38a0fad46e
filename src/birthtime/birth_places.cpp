#include "birth_places.h"

#include <QStringList>

#include <vector>

namespace zelk {

namespace {

// Coordinates: city halls or city centres (county seats for counties), from the
// national gazetteers and the cities' own pages, rounded to 0.01°.
constexpr BirthPlace kPlaces[] = {
    // Taiwan: the six special municipalities, three provincial cities, the counties.
    {u"臺北市", u"臺北|Taipei", "Asia/Taipei", 25.04, 121.56},
    {u"新北市", u"新北|臺北縣|板橋|New Taipei", "Asia/Taipei", 25.01, 121.47},
    {u"桃園市", u"桃園|桃園縣|Taoyuan", "Asia/Taipei", 24.99, 121.30},
    {u"臺中市", u"臺中|臺中縣|Taichung", "Asia/Taipei", 24.15, 120.67},
    {u"臺南市", u"臺南|臺南縣|Tainan", "Asia/Taipei", 22.99, 120.21},
    {u"高雄市", u"高雄|高雄縣|Kaohsiung", "Asia/Taipei", 22.63, 120.30},
    {u"基隆市", u"基隆|Keelung", "Asia/Taipei", 25.13, 121.74},
    {u"新竹市", u"新竹|Hsinchu", "Asia/Taipei", 24.80, 120.97},
    {u"嘉義市", u"嘉義|Chiayi", "Asia/Taipei", 23.48, 120.45},
    {u"新竹縣", u"竹北", "Asia/Taipei", 24.84, 121.01},
    {u"苗栗縣", u"苗栗|Miaoli", "Asia/Taipei", 24.56, 120.82},
    {u"彰化縣", u"彰化|Changhua", "Asia/Taipei", 24.08, 120.54},
    {u"南投縣", u"南投|Nantou", "Asia/Taipei", 23.91, 120.68},
    {u"雲林縣", u"雲林|斗六|Yunlin", "Asia/Taipei", 23.71, 120.54},
    {u"嘉義縣", u"太保", "Asia/Taipei", 23.46, 120.33},
    {u"屏東縣", u"屏東|Pingtung", "Asia/Taipei", 22.67, 120.49},
    {u"宜蘭縣", u"宜蘭|Yilan", "Asia/Taipei", 24.76, 121.75},
    {u"花蓮縣", u"花蓮|Hualien", "Asia/Taipei", 23.98, 121.60},
    {u"臺東縣", u"臺東|Taitung", "Asia/Taipei", 22.76, 121.14},
    {u"澎湖縣", u"澎湖|馬公|Penghu", "Asia/Taipei", 23.57, 119.58},
    {u"金門縣", u"金門|Kinmen", "Asia/Taipei", 24.43, 118.32},
    {u"連江縣", u"馬祖|南竿|Matsu", "Asia/Taipei", 26.16, 119.95},
    // Mainland China: the four municipalities and the provincial capitals.
    {u"北京市", u"北京|Beijing|Peking", "Asia/Shanghai", 39.90, 116.41},
    {u"天津市", u"天津|Tianjin", "Asia/Shanghai", 39.08, 117.20},
    {u"上海市", u"上海|Shanghai", "Asia/Shanghai", 31.23, 121.47},
    {u"重慶市", u"重慶|重庆|Chongqing", "Asia/Shanghai", 29.56, 106.55},
    {u"石家莊市", u"石家莊|石家庄|Shijiazhuang", "Asia/Shanghai", 38.04, 114.51},
    {u"太原市", u"太原|Taiyuan", "Asia/Shanghai", 37.87, 112.55},
    {u"呼和浩特市", u"呼和浩特|Hohhot", "Asia/Shanghai", 40.84, 111.75},
    {u"瀋陽市", u"瀋陽|沈阳|沈陽|Shenyang", "Asia/Shanghai", 41.81, 123.43},
    {u"長春市", u"長春|长春|Changchun", "Asia/Shanghai", 43.82, 125.32},
    {u"哈爾濱市", u"哈爾濱|哈尔滨|Harbin", "Asia/Shanghai", 45.80, 126.53},
    {u"南京市", u"南京|Nanjing", "Asia/Shanghai", 32.06, 118.80},
    {u"杭州市", u"杭州|Hangzhou", "Asia/Shanghai", 30.27, 120.16},
    {u"合肥市", u"合肥|Hefei", "Asia/Shanghai", 31.82, 117.23},
    {u"福州市", u"福州|Fuzhou", "Asia/Shanghai", 26.07, 119.30},
    {u"南昌市", u"南昌|Nanchang", "Asia/Shanghai", 28.68, 115.86},
    {u"濟南市", u"濟南|济南|Jinan", "Asia/Shanghai", 36.65, 117.12},
    {u"鄭州市", u"鄭州|郑州|Zhengzhou", "Asia/Shanghai", 34.75, 113.63},
    {u"武漢市", u"武漢|武汉|Wuhan", "Asia/Shanghai", 30.59, 114.31},
    {u"長沙市", u"長沙|长沙|Changsha", "Asia/Shanghai", 28.23, 112.94},
    {u"廣州市", u"廣州|广州|Guangzhou|Canton", "Asia/Shanghai", 23.13, 113.26},
    {u"南寧市", u"南寧|南宁|Nanning", "Asia/Shanghai", 22.82, 108.37},
    {u"海口市", u"海口|Haikou", "Asia/Shanghai", 20.04, 110.20},
    {u"成都市", u"成都|Chengdu", "Asia/Shanghai", 30.57, 104.07},
    {u"貴陽市", u"貴陽|贵阳|Guiyang", "Asia/Shanghai", 26.65, 106.63},
    {u"昆明市", u"昆明|Kunming", "Asia/Shanghai", 25.04, 102.72},
    {u"拉薩市", u"拉薩|拉萨|Lhasa", "Asia/Shanghai", 29.65, 91.17},
    {u"西安市", u"西安|Xi'an|Xian", "Asia/Shanghai", 34.34, 108.94},
    {u"蘭州市", u"蘭州|兰州|Lanzhou", "Asia/Shanghai", 36.06, 103.83},
    {u"西寧市", u"西寧|西宁|Xining", "Asia/Shanghai", 36.62, 101.78},
    {u"銀川市", u"銀川|银川|Yinchuan", "Asia/Shanghai", 38.49, 106.23},
    {u"烏魯木齊市", u"烏魯木齊|乌鲁木齐|Urumqi", "Asia/Shanghai", 43.83, 87.62},
    // Hong Kong, Macau, Singapore, Malaysia.
    {u"香港", u"九龍|九龙|Hong Kong|Kowloon", "Asia/Hong_Kong", 22.30, 114.17},
    {u"澳門", u"澳门|Macau|Macao", "Asia/Macau", 22.20, 113.54},
    {u"新加坡", u"星加坡|星洲|Singapore", "Asia/Singapore", 1.29, 103.85},
    {u"吉隆坡", u"Kuala Lumpur", "Asia/Kuala_Lumpur", 3.14, 101.69},
    {u"檳城", u"槟城|Penang|George Town", "Asia/Kuala_Lumpur", 5.41, 100.33},
    // Asia and Oceania.
    {u"東京", u"东京|Tokyo", "Asia/Tokyo", 35.68, 139.69},
    {u"大阪", u"Osaka", "Asia/Tokyo", 34.69, 135.50},
    {u"首爾", u"首尔|漢城|Seoul", "Asia/Seoul", 37.57, 126.98},
    {u"曼谷", u"Bangkok", "Asia/Bangkok", 13.76, 100.50},
    {u"馬尼拉", u"马尼拉|Manila", "Asia/Manila", 14.60, 120.98},
    {u"雅加達", u"雅加达|Jakarta", "Asia/Jakarta", -6.21, 106.85},
    {u"胡志明市", u"胡志明|西貢|Ho Chi Minh City|Saigon", "Asia/Ho_Chi_Minh", 10.82, 106.63},
    {u"仰光", u"Yangon|Rangoon", "Asia/Yangon", 16.84, 96.17},
    {u"新德里", u"New Delhi|Delhi", "Asia/Kolkata", 28.61, 77.21},
    {u"杜拜", u"迪拜|Dubai", "Asia/Dubai", 25.20, 55.27},
    {u"雪梨", u"悉尼|Sydney", "Australia/Sydney", -33.87, 151.21},
    {u"墨爾本", u"墨尔本|Melbourne", "Australia/Melbourne", -37.81, 144.96},
    {u"布里斯本", u"Brisbane", "Australia/Brisbane", -27.47, 153.03},
    {u"伯斯", u"珀斯|Perth", "Australia/Perth", -31.95, 115.86},
    {u"奧克蘭", u"奥克兰|Auckland", "Pacific/Auckland", -36.85, 174.76},
    // The Americas.
    {u"溫哥華", u"温哥华|Vancouver", "America/Vancouver", 49.28, -123.12},
    {u"多倫多", u"多伦多|Toronto", "America/Toronto", 43.65, -79.38},
    {u"蒙特婁", u"蒙特利爾|Montreal|Montréal", "America/Toronto", 45.50, -73.57},
    {u"紐約", u"纽约|New York", "America/New_York", 40.71, -74.01},
    {u"波士頓", u"波士顿|Boston", "America/New_York", 42.36, -71.06},
    {u"華盛頓特區", u"华盛顿特区|華府|Washington DC|Washington, D.C.", "America/New_York", 38.91,
     -77.04},
    {u"芝加哥", u"Chicago", "America/Chicago", 41.88, -87.63},
    {u"休士頓", u"休斯頓|侯斯頓|Houston", "America/Chicago", 29.76, -95.37},
    {u"洛杉磯", u"洛杉矶|Los Angeles", "America/Los_Angeles", 34.05, -118.24},
    {u"舊金山", u"旧金山|三藩市|San Francisco", "America/Los_Angeles", 37.77, -122.42},
    {u"西雅圖", u"西雅图|Seattle", "America/Los_Angeles", 47.61, -122.33},
    {u"檀香山", u"火奴魯魯|Honolulu", "Pacific/Honolulu", 21.31, -157.86},
    {u"墨西哥城", u"Mexico City", "America/Mexico_City", 19.43, -99.13},
    {u"聖保羅", u"圣保罗|São Paulo|Sao Paulo", "America/Sao_Paulo", -23.55, -46.63},
    // Europe and Africa.
    {u"倫敦", u"伦敦|London", "Europe/London", 51.51, -0.13},
    {u"巴黎", u"Paris", "Europe/Paris", 48.86, 2.35},
    {u"柏林", u"Berlin", "Europe/Berlin", 52.52, 13.40},
    {u"法蘭克福", u"法兰克福|Frankfurt", "Europe/Berlin", 50.11, 8.68},
    {u"阿姆斯特丹", u"Amsterdam", "Europe/Amsterdam", 52.37, 4.90},
    {u"維也納", u"维也纳|Vienna|Wien", "Europe/Vienna", 48.21, 16.37},
    {u"蘇黎世", u"苏黎世|Zurich|Zürich", "Europe/Zurich", 47.38, 8.54},
    {u"羅馬", u"罗马|Rome|Roma", "Europe/Rome", 41.90, 12.50},
    {u"馬德里", u"马德里|Madrid", "Europe/Madrid", 40.42, -3.70},
    {u"莫斯科", u"Moscow", "Europe/Moscow", 55.76, 37.62},
    {u"約翰尼斯堡", u"约翰内斯堡|Johannesburg", "Africa/Johannesburg", -26.20, 28.05},
};

// Matching form of a text: full-width ASCII becomes ASCII, Latin letters lower
// case, runs of blanks one space, 台 becomes 臺.
QString MatchForm(QStringView text) {
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) u = static_cast<char16_t>(u - 0xFEE0);
        if (u == u'台') u = u'臺';
        if (QChar(u).isSpace()) {
            space = !out.isEmpty();
            continue;
        }
        if (space) out.append(QLatin1Char(' '));
        space = false;
        out.append(QChar(u).toLower());
    }
    return out;
}

bool IsLatinLetter(QChar c) {
    return c.isLetter() && c.unicode() < 0x250;
}

// Where `name` occurs in `text` as a name: anywhere for Chinese names; for
// Latin names only between non-letters ("Paris" is not inside "Parish").
qsizetype FindName(const QString& text, const QString& name) {
    const bool latin = IsLatinLetter(name.front());
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        if (!latin) return at;
        const qsizetype end = at + name.size();
        const bool startOk = at == 0 || !IsLatinLetter(text[at - 1]);
        const bool endOk = end == text.size() || !IsLatinLetter(text[end]);
        if (startOk && endOk) return at;
    }
    return -1;
}

struct Match {
    const BirthPlace* place = nullptr;
    bool whole = false;
    qsizetype length = 0;
    qsizetype at = 0;

    bool betterThan(const Match& other) const {
        if (!other.place) return true;
        if (whole != other.whole) return whole;
        if (length != other.length) return length > other.length;
        return at < other.at;
    }
};

} // namespace

std::span<const BirthPlace> BirthPlaces() {
    return kPlaces;
}

namespace {

struct PlaceName {
    const BirthPlace* place;
    QString name; // in matching form
};

// Every name of every place in matching form, prepared once.
const std::vector<PlaceName>& PlaceNames() {
    static const std::vector<PlaceName> names = [] {
        std::vector<PlaceName> out;
        for (const BirthPlace& place : kPlaces) {
            out.push_back({&place, MatchForm(QString::fromUtf16(place.name))});
            for (const QString& alias :
                 QString::fromUtf16(place.aliases).split(QLatin1Char('|'), Qt::SkipEmptyParts))
                out.push_back({&place, MatchForm(alias)});
        }
        return out;
    }();
    return names;
}

} // namespace

const BirthPlace* FindBirthPlace(QStringView text) {
    const QString haystack = MatchForm(text);
    if (haystack.isEmpty()) return nullptr;
    Match best;
    for (const PlaceName& n : PlaceNames()) {
        const qsizetype at = FindName(haystack, n.name);
        if (at < 0) continue;
        const Match m{n.place, n.name == haystack, n.name.size(), at};
        if (m.betterThan(best)) best = m;
    }
    return best.place;
}

} // namespace zelk
