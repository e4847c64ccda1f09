#include "busy_year.h"

#include "utf8_text.h"

#include "core/amount_format.h"
#include "core/entry_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

const int kBusyYearFixedEntries = 22;

namespace {

constexpr int kYear = 2024;

struct Row {
    const char* account;
    long long amount;
    CString description;
};

struct Item {
    const char* name;
    const char* unit;
    long long price;
};

struct Partner {
    const char* name;
    std::vector<Item> items;
};

const std::vector<Partner>& Customers()
{
    static const std::vector<Partner> customers = {
        {"居酒屋はなみ", {{"瓶ビール中瓶(20本)", "ｹｰｽ", 7200}, {"缶ビール350ml(24本)", "ｹｰｽ", 5300}, {"本醸造酒 1.8L", "本", 1960}}},
        {"割烹たけうち", {{"純米酒 1.8L", "本", 2480}, {"梅酒 1.8L", "本", 2300}, {"生ビール樽10L", "樽", 8600}}},
        {"食堂みどり", {{"麦焼酎 1.8L", "本", 1880}, {"芋焼酎 1.8L", "本", 2150}, {"瓶ビール中瓶(20本)", "ｹｰｽ", 7200}}},
        {"焼鳥とりまる", {{"生ビール樽10L", "樽", 8600}, {"缶ビール350ml(24本)", "ｹｰｽ", 5300}}},
    };
    return customers;
}

const std::vector<Partner>& Suppliers()
{
    static const std::vector<Partner> suppliers = {
        {"丸山酒販", {{"麦焼酎 1.8L", "本", 1330}, {"生ビール樽10L", "樽", 6650}, {"本醸造酒 1.8L", "本", 1390}}},
        {"東和食品", {{"乾燥するめ", "袋", 540}, {"缶詰(さば)", "個", 180}, {"ミックスナッツ", "袋", 420}}},
        {"北陸酒造", {{"純米酒 1.8L", "本", 1710}, {"梅酒 1.8L", "本", 1640}}},
    };
    return suppliers;
}

// Expense accounts across the profit-and-loss lines, with a description and the
// usual size of one payment.
struct Expense {
    const char* account;
    const char* description;
    long long typical;
};
const std::array<Expense, 17> kExpenses = {{
    {"租税公課", "印紙代", 2000},      {"荷造運賃", "宅配便", 1800},     {"旅費交通費", "電車代", 900},
    {"広告宣伝費", "チラシ", 15000},   {"接待交際費", "贈答品", 8000},   {"損害保険料", "火災保険", 24000},
    {"修繕費", "冷蔵庫修理", 18000},   {"消耗品費", "事務用品", 3000},   {"福利厚生費", "茶菓代", 2000},
    {"外注工賃", "配達応援", 20000},   {"支払手数料", "振込手数料", 660}, {"車両維持費", "燃料代", 6000},
    {"新聞図書費", "新聞代", 4000},    {"諸会費", "商店会費", 3000},     {"法定福利費", "労働保険", 9000},
    {"水道光熱費", "水道代", 8000},    {"雑費", "ごみ処理券", 1500},
}};

// Apportioned household costs: the business share of the whole payment.
struct Shared {
    const char* account;
    const char* description;
    long long typical;
    int percent;
};
const std::array<Shared, 3> kShared = {{
    {"水道光熱費", "電気代", 30000, 80},
    {"通信費", "電話代", 9000, 60},
    {"地代家賃", "店舗家賃", 120000, 70},
}};

const char kBank[] = "あおば銀行";

class YearMaker {
public:
    YearMaker(const DictionaryNodes& dictionary, std::uint32_t startValue, JournalArray& year)
        : m_random(startValue), m_year(year)
    {
        for (int digit = 1; digit <= 7 && digit < dictionary.GetSize(); ++digit) {
            const CKiso& node = *dictionary.GetAt(digit);
            if (!node.HasChildren())
                continue;
            for (int i = node.m_nFirstChild; i < node.m_nFirstChild + node.m_nChildCount && i < dictionary.GetSize(); ++i)
                m_classOf.emplace(dictionary.GetAt(i)->m_strName.str(), digit);
        }
    }

    // A whole number from 0 to n - 1.
    int Below(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }
    // About typical: from half of it to one and a half times it, in tens of yen.
    long long Around(long long typical)
    {
        const long long low = typical / 2;
        return std::max<long long>(10, (low + static_cast<long long>(m_random() % static_cast<std::uint32_t>(typical + 1))) / 10 * 10);
    }

    void Add(const CString& date, std::vector<Row> causes, int connect, std::vector<Row> results, int direction,
             const CString& remark = "")
    {
        auto* entry = new CMyObject2;
        m_year.Add(entry);
        entry->m_strDate = date;
        CString* cause[3][3] = {{&entry->m_strCause1, &entry->m_strCauseAmount1, &entry->m_strCauseDesc1},
                                {&entry->m_strCause2, &entry->m_strCauseAmount2, &entry->m_strCauseDesc2},
                                {&entry->m_strCause3, &entry->m_strCauseAmount3, &entry->m_strCauseDesc3}};
        CString* result[3][3] = {{&entry->m_strResult1, &entry->m_strResultAmount1, &entry->m_strResultDesc1},
                                 {&entry->m_strResult2, &entry->m_strResultAmount2, &entry->m_strResultDesc2},
                                 {&entry->m_strResult3, &entry->m_strResultAmount3, &entry->m_strResultDesc3}};
        std::array<int, 6> classIndex;
        classIndex.fill(-1);
        for (std::size_t i = 0; i < 3; ++i) {
            if (i < causes.size())
                classIndex[i] = Fill(cause[i], causes[i]);
            if (i < results.size())
                classIndex[3 + i] = Fill(result[i], results[i]);
        }
        entry->m_strRemark = remark;
        entry->m_nDirection = direction;
        entry->m_nClassCode = ClassCodeOf(classIndex, connect);
        const CString refusal = CheckStoredEntry(*entry);
        if (!refusal.IsEmpty())
            throw std::runtime_error("the journal refuses generated entry " + std::to_string(m_year.GetSize()) +
                                     " of " + entry->m_strDate.str() + ": " + Utf8OfShiftJis(refusal));
    }

private:
    // Writes the row into its three fields; answers its class index (class digit - 1).
    int Fill(CString* fields[3], const Row& row)
    {
        const auto found = m_classOf.find(row.account);
        if (found == m_classOf.end())
            throw std::runtime_error("the dictionary holds no account " + Utf8OfShiftJis(row.account));
        *fields[0] = row.account;
        *fields[1] = CString(std::to_string(row.amount).c_str());
        *fields[2] = row.description;
        return found->second - 1;
    }

    std::mt19937 m_random;
    JournalArray& m_year;
    std::map<std::string, int> m_classOf;
};

CString DateOfDay(int dayOfYear)
{
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (month < 11 && dayOfYear >= days[month])
        dayOfYear -= days[month++];
    CString date;
    date.Format("%d/%02d/%02d", kYear, month + 1, dayOfYear + 1);
    return date;
}

// The field padded with blanks to its width in bytes, as the sales and purchases books keep it.
CString Padded(const CString& text, int width)
{
    return text + CString(' ', std::max(0, width - text.GetLength()));
}

// The breakdown of the books: "[]" then name, quantity, unit, unit price and currency.
CString ItemText(const Item& item, int quantity)
{
    CString text = "[]";
    text += Padded(item.name, 42);
    text += Padded(CString(std::to_string(quantity).c_str()), 15);
    text += Padded(item.unit, 6);
    text += Padded(CString(std::to_string(item.price).c_str()), 15);
    text += Padded("円", 4);
    return text;
}

// A monthly invoice of some of the partner's items: its amount and remark.
long long Invoice(YearMaker& maker, const Partner& partner, const CString& date, CString& remark)
{
    long long total = 0;
    remark = CString(std::to_string(std::stoi(date.Mid(5, 2).str())).c_str()) + "月分 ";
    const int count = 1 + maker.Below(static_cast<int>(partner.items.size()));
    for (int i = 0; i < count; ++i) {
        const Item& item = partner.items[static_cast<std::size_t>(i)];
        const int quantity = 5 + maker.Below(60);
        total += quantity * item.price;
        remark += ItemText(item, quantity);
    }
    return total;
}

void OpeningBalances(YearMaker& m, const CString& date)
{
    const std::vector<std::pair<Row, int>> assets = {
        {{"現金", 180000, ""}, 0},           {{"普通預金", 1650000, kBank}, 0},
        {{"当座預金", 480000, kBank}, 0},    {{"定期預金", 1000000, kBank}, 0},
        {{"売掛金", 298600, "居酒屋はなみ"}, 0}, {{"売掛金", 236400, "割烹たけうち"}, 0},
        {{"車両運搬具", 960000, ""}, 0},     {{"工具器具備品", 240000, ""}, 0},
        {{"敷金", 300000, ""}, 0},           {{"買掛金", 812400, "丸山酒販"}, 1},
        {{"買掛金", 212300, "東和食品"}, 1}, {{"借入金", 1800000, kBank}, 1},
        {{"預り金", 12720, "源泉所得税"}, 1}, {{"棚卸資産", 1150000, ""}, 0},
    };
    for (const auto& [row, direction] : assets)
        m.Add(date, {row}, 0, {{"元入金", row.amount, ""}}, direction);
    m.Add(date, {{"棚卸資産", 1150000, ""}}, 0, {{"仕入", 1150000, ""}}, 1);
    m.Add(date, {{"貸倒引当金", 29425, ""}}, 0, {{"元入金", 29425, ""}}, 1);
}

void YearEnd(YearMaker& m, const CString& date)
{
    m.Add(date, {{"事業主貸", 36000, "家事消費"}}, 0, {{"売上", 36000, "家事消費"}}, 0, "店の商品の自家消費");
    m.Add(date, {{"車両運搬具", 320000, ""}}, 0, {{"減価償却費", 320000, "車両運搬具"}}, 1, "配達車(定額法4年)");
    m.Add(date, {{"工具器具備品", 66800, ""}}, 0, {{"減価償却費", 66800, "工具器具備品"}}, 1, "冷蔵ｼｮｰｹｰｽ(定額法6年)");
    m.Add(date, {{"棚卸資産", 1218000, ""}}, 0, {{"仕入", 1218000, ""}}, 0);
    m.Add(date, {{"貸倒引当金", 29425, ""}}, 0, {{"貸倒引当金繰戻額", 29425, ""}}, 0);
    m.Add(date, {{"貸倒引当金", 43617, ""}}, 0, {{"貸倒引当金繰入額", 43617, ""}}, 1);
}

// One entry of the year's days, of a kind drawn by its weight in a hundred.
void DayEntry(YearMaker& m, const CString& date)
{
    const std::vector<Partner>& customers = Customers();
    const std::vector<Partner>& suppliers = Suppliers();
    int draw = m.Below(100);
    auto take = [&draw](int weight) {
        draw -= weight;
        return draw < 0;
    };
    if (take(30)) {
        const long long amount = m.Around(60000);
        m.Add(date, {{"売上", amount, "店頭販売"}}, 0, {{"現金", amount, ""}}, 1, "店頭売上");
    } else if (take(5)) {
        const Partner& customer = customers[static_cast<std::size_t>(m.Below(static_cast<int>(customers.size())))];
        CString remark;
        const long long amount = Invoice(m, customer, date, remark);
        m.Add(date, {{"売上", amount, customer.name}}, 0, {{"売掛金", amount, customer.name}}, 1, remark);
    } else if (take(5)) {
        const Partner& supplier = suppliers[static_cast<std::size_t>(m.Below(static_cast<int>(suppliers.size())))];
        CString remark;
        const long long amount = Invoice(m, supplier, date, remark);
        m.Add(date, {{"仕入", amount, supplier.name}}, 0, {{"買掛金", amount, supplier.name}}, 0, remark);
    } else if (take(8)) {
        const long long amount = m.Around(20000);
        m.Add(date, {{"仕入", amount, "市場"}}, 0, {{"現金", amount, ""}}, 0, "現金仕入");
    } else if (take(5)) {
        const Partner& customer = customers[static_cast<std::size_t>(m.Below(static_cast<int>(customers.size())))];
        const long long amount = m.Around(150000);
        m.Add(date, {{"売掛金", amount, customer.name}}, 2, {{"普通預金", amount, kBank}}, 1, "振込入金");
    } else if (take(5)) {
        const Partner& supplier = suppliers[static_cast<std::size_t>(m.Below(static_cast<int>(suppliers.size())))];
        const long long amount = m.Around(200000);
        m.Add(date, {{"買掛金", amount, supplier.name}, {"支払手数料", 660, "振込手数料"}}, 2,
              {{"普通預金", amount + 660, kBank}}, 0, "買掛金の支払");
    } else if (take(6)) {
        const long long amount = m.Around(100000);
        m.Add(date, {{"現金", amount, ""}}, 0, {{"普通預金", amount, kBank}}, 1, "売上金の預入れ");
    } else if (take(20)) {
        const Expense& expense = kExpenses[static_cast<std::size_t>(m.Below(static_cast<int>(kExpenses.size())))];
        const long long amount = m.Around(expense.typical);
        m.Add(date, {{expense.account, amount, expense.description}}, 0, {{"現金", amount, ""}}, 0);
    } else if (take(6)) {
        const Expense& expense = kExpenses[static_cast<std::size_t>(m.Below(static_cast<int>(kExpenses.size())))];
        const long long amount = m.Around(expense.typical);
        m.Add(date, {{expense.account, amount, expense.description}}, 0, {{"普通預金", amount, kBank}}, 0,
              "口座振替");
    } else if (take(4)) {
        const Shared& shared = kShared[static_cast<std::size_t>(m.Below(static_cast<int>(kShared.size())))];
        const long long total = m.Around(shared.typical);
        const long long business = total * shared.percent / 100;
        CString remark;
        remark.Format("按分:料金(%s)×%d%%",
                      static_cast<LPCTSTR>(InsertThousandsSeparators(CString(std::to_string(total).c_str()), 6)),
                      shared.percent);
        m.Add(date, {{shared.account, business, shared.description}, {"事業主貸", total - business, "家事分"}}, 0,
              {{"普通預金", total, kBank}}, 0, remark);
    } else if (take(3)) {
        const long long amount = m.Around(50000);
        m.Add(date, {{"事業主貸", amount, "生活費"}}, 0, {{m.Below(2) ? "現金" : "普通預金", amount, ""}}, 0);
    } else if (take(2)) {
        const long long wage = m.Around(80000);
        const long long withheld = wage / 50;
        m.Add(date, {{"給料賃金", wage, "パート代"}}, 0, {{"現金", wage - withheld, ""}, {"預り金", withheld, "源泉所得税"}},
              0);
    } else {
        const long long interest = m.Around(2000);
        m.Add(date, {{"借入金", 50000, kBank}, {"利子割引料", interest, "借入金利息"}}, 2,
              {{"普通預金", 50000 + interest, kBank}}, 0);
    }
}

}  // namespace

void MakeBusyYear(const DictionaryNodes& dictionary, const BusyYearShape& shape, JournalArray& year)
{
    if (shape.entries < kBusyYearFixedEntries)
        throw std::runtime_error("a busy year holds at least " + std::to_string(kBusyYearFixedEntries) + " entries");
    YearMaker maker(dictionary, shape.startValue, year);
    OpeningBalances(maker, DateOfDay(0));
    const int days = 366;
    const int spread = shape.entries - kBusyYearFixedEntries;
    for (int i = 0; i < spread; ++i)
        DayEntry(maker, DateOfDay(static_cast<int>(static_cast<long long>(i) * days / spread)));
    YearEnd(maker, DateOfDay(days - 1));
}
