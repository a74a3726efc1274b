// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken forms of what the screens show.
#include "model/spoken.h"

#include <array>
#include <cstdint>
#include <optional>

#include "model/control.h"
#include "model/screen.h"

namespace model {

namespace {

// ---- UTF-8 ----

std::u32string decode(std::string_view s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0x3F >> (n - 1));
        for (int k = 1; k < n && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(c);
        i += n;
    }
    return out;
}

void encode(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string encode(std::u32string_view s)
{
    std::string out;
    for (char32_t c : s)
        encode(c, out);
    return out;
}

// ---- number words ----

std::optional<int> digit(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= U'\u0660' && c <= U'\u0669')
        return static_cast<int>(c - U'\u0660');
    return std::nullopt;
}
bool is_digit(char32_t c) { return digit(c).has_value(); }
bool is_point(char32_t c) { return c == U'.' || c == U'\u066B'; }
bool is_minus(char32_t c) { return c == U'-' || c == U'\u2212'; }

constexpr std::array<const char*, 20> units = {
    "صفر",       "واحد",     "اثنان",   "ثلاثة",    "أربعة",      "خمسة",     "ستة",
    "سبعة",      "ثمانية",   "تسعة",    "عشرة",     "أحد عشر",    "اثنا عشر", "ثلاثة عشر",
    "أربعة عشر", "خمسة عشر", "ستة عشر", "سبعة عشر", "ثمانية عشر", "تسعة عشر",
};
constexpr std::array<const char*, 10> tens = {
    "", "", "عشرون", "ثلاثون", "أربعون", "خمسون", "ستون", "سبعون", "ثمانون", "تسعون",
};
constexpr std::array<const char*, 10> hundreds = {
    "", "مئة", "مئتان", "ثلاثمئة", "أربعمئة", "خمسمئة", "ستمئة", "سبعمئة", "ثمانمئة", "تسعمئة",
};

// 1 to 999.
std::string below_thousand(int n)
{
    std::string words;
    if (n >= 100)
        words = hundreds[static_cast<std::size_t>(n / 100)];
    const int rest = n % 100;
    if (rest == 0)
        return words;
    std::string small = rest < 20 ? units[static_cast<std::size_t>(rest)]
        : rest % 10 == 0
        ? tens[static_cast<std::size_t>(rest / 10)]
        : std::string(units[static_cast<std::size_t>(rest % 10)]) + " و" + tens[static_cast<std::size_t>(rest / 10)];
    return words.empty() ? small : words + " و" + small;
}

struct Scale {
    const char *one, *two, *few, *many;  // 1, 2, 3 to 10 and from 11 of it
};
constexpr std::array<Scale, 4> scales = {{
    {"ألف", "ألفان", "آلاف", "ألفا"},
    {"مليون", "مليونان", "ملايين", "مليونا"},
    {"مليار", "ملياران", "مليارات", "مليارا"},
    {"تريليون", "تريليونان", "تريليونات", "تريليونا"},
}};

std::string digits_one_by_one(std::u32string_view d)
{
    std::string words;
    for (char32_t c : d)
        words += (words.empty() ? "" : " ") + std::string(units[static_cast<std::size_t>(*digit(c))]);
    return words;
}

// A whole number written in digits.
std::string whole(std::u32string_view d)
{
    while (d.size() > 1 && digit(d.front()) == 0)
        d.remove_prefix(1);
    if (d.size() > 15)
        return digits_one_by_one(d);
    std::int64_t n = 0;
    for (char32_t c : d)
        n = n * 10 + *digit(c);
    if (n == 0)
        return units[0];
    std::vector<std::string> groups;
    for (int g = 0; n > 0; ++g, n /= 1000) {
        const int part = static_cast<int>(n % 1000);
        if (part == 0)
            continue;
        std::string words;
        if (g == 0) {
            words = below_thousand(part);
        } else {
            const Scale& s = scales[static_cast<std::size_t>(g - 1)];
            const int last = part % 100;
            words = part == 1 ? s.one
                : part == 2   ? s.two
                : last >= 3 && last <= 10
                ? below_thousand(part) + " " + s.few
                : below_thousand(part) + " " + (last == 0 || last == 1 || last == 2 ? s.one : s.many);
        }
        groups.insert(groups.begin(), words);
    }
    std::string out;
    for (const std::string& g : groups)
        out += out.empty() ? g : " و" + g;
    return out;
}

// digits [point digits], without a sign.
std::string unsigned_words(std::u32string_view d)
{
    std::size_t point = 0;
    while (point < d.size() && !is_point(d[point]))
        ++point;
    std::string words = whole(d.substr(0, point));
    if (point + 1 < d.size()) {
        std::u32string_view fraction = d.substr(point + 1);
        words += " فاصلة";
        while (fraction.size() > 1 && digit(fraction.front()) == 0) {
            words += std::string(" ") + units[0];
            fraction.remove_prefix(1);
        }
        words += " " + whole(fraction);
    }
    return words;
}

// The length of the number that starts at s[i] (digits, a decimal point followed by digits,
// an exponent), 0 when none starts there.
std::size_t number_length(std::u32string_view s, std::size_t i)
{
    std::size_t j = i;
    while (j < s.size() && is_digit(s[j]))
        ++j;
    if (j == i)
        return 0;
    if (j + 1 < s.size() && is_point(s[j]) && is_digit(s[j + 1]))
        for (++j; j < s.size() && is_digit(s[j]); ++j) {}
    if (j + 2 < s.size() && (s[j] == U'E' || s[j] == U'e') && (s[j + 1] == U'+' || is_minus(s[j + 1]))
        && is_digit(s[j + 2]))
        for (j += 2; j < s.size() && is_digit(s[j]); ++j) {}
    return j - i;
}

std::string number_at(std::u32string_view n)
{
    std::size_t e = 0;
    while (e < n.size() && n[e] != U'E' && n[e] != U'e')
        ++e;
    std::string words = unsigned_words(n.substr(0, e));
    if (e < n.size()) {
        const bool negative = is_minus(n[e + 1]);
        words += " في عشرة أس " + std::string(negative ? "سالب " : "") + whole(n.substr(e + 2));
    }
    return words;
}

// ---- other words ----

// Letters that stand alone in a formula, by their names; tatweel is already gone.
const char* letter_name(std::u32string_view word)
{
    struct Letter {
        char32_t letter;
        const char* name;
    };
    static constexpr std::array<Letter, 9> letters = {{
        {U'أ', "ألف"},
        {U'ا', "ألف"},
        {U'ب', "باء"},
        {U'ج', "جيم"},
        {U'د', "دال"},
        {U'س', "سين"},
        {U'ص', "صاد"},
        {U'ع', "عين"},
        {U'م', "ميم"},
    }};
    if (word.size() != 1)
        return nullptr;
    for (const Letter& l : letters)
        if (l.letter == word[0])
            return l.name;
    return nullptr;
}

// Words in Latin letters that a screen shows: the programs' own names.
const char* latin_word(std::u32string_view word)
{
    if (word == U"numeria")
        return "نوميريا";
    if (word == U"fractio")
        return "فراكتيو";
    return nullptr;
}

const char* symbol_word(char32_t c)
{
    switch (c) {
    case U'+': return "زائد";
    case U'-':
    case U'\u2212': return "ناقص";
    case U'X':
    case U'x':
    case U'\u00D7':
    case U'*': return "ضرب";
    case U'\u00F7': return "قسمة";
    case U'=': return "يساوي";
    case U'/': return "على";
    case U'\u221A': return "جذر";
    case U'\u00B2': return "تربيع";
    case U'\u00B1': return "زائد أو ناقص";
    default: return nullptr;
    }
}

bool is_mark(char32_t c)  // direction marks and tatweel: nothing to say
{
    return c == U'\u0640' || c == U'\u200E' || c == U'\u200F' || c == U'\u061C' || c == U'\u200B';
}
bool is_space(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\u00A0'; }
bool is_word_char(char32_t c)
{
    return !is_space(c) && !is_digit(c) && !is_point(c) && !is_mark(c) && symbol_word(c) == nullptr && c != U'\u2026'
        && c != U'\u060C' && c != U':' && c != U'(' && c != U')' && c != U'؟' && c != U'?';
}

// Utterance being built: words separated by single spaces, pauses as Arabic commas.
struct Utterance {
    std::string text;
    void word(std::string_view w)
    {
        if (w.empty())
            return;
        if (!text.empty() && text.back() != ' ')
            text += ' ';
        text += w;
    }
    void pause()
    {
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        if (!text.empty() && !text.ends_with("،"))
            text += "، ";
    }
    std::string done()
    {
        while (!text.empty() && (text.back() == ' ' || text.ends_with("،"))) {
            if (text.back() == ' ')
                text.pop_back();
            else
                text.resize(text.size() - std::string_view("،").size());
        }
        return text;
    }
};

}  // namespace

std::string number_words(std::string_view number)
{
    const std::u32string s = decode(number);
    std::size_t i = 0;
    while (i < s.size() && (is_mark(s[i]) || is_space(s[i])))
        ++i;
    const bool negative = i < s.size() && is_minus(s[i]);
    const std::size_t start = negative ? i + 1 : i;
    const std::size_t n = number_length(s, start);
    std::size_t end = start + n;
    while (end < s.size() && (is_mark(s[end]) || is_space(s[end])))
        ++end;
    if (n == 0 || end != s.size())
        return std::string(number);
    return (negative ? "سالب " : "") + number_at(std::u32string_view(s).substr(start, n));
}

std::string spoken(std::string_view text)
{
    const std::u32string s = decode(text);
    const std::u32string_view v(s);
    Utterance out;
    // A minus is a sign where a number could begin: at the start, after a space or an operator.
    bool number_may_start = true;
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = s[i];
        if (is_mark(c)) {
            ++i;
            continue;
        }
        if (is_space(c)) {
            ++i;
            number_may_start = true;
            continue;
        }
        if (std::size_t n = number_length(v, i)) {
            out.word(number_at(v.substr(i, n)));
            i += n;
            number_may_start = false;
            continue;
        }
        if (is_minus(c) && number_may_start && number_length(v, i + 1) > 0) {
            out.word("سالب");
            ++i;
            continue;
        }
        // X is the multiplication sign only where it stands apart from letters.
        const bool letter_x = (c == U'x' || c == U'X') && i + 1 < s.size() && is_word_char(s[i + 1]);
        if (const char* w = symbol_word(c); w != nullptr && !letter_x) {
            out.word(w);
            ++i;
            number_may_start = true;
            continue;
        }
        if (is_point(c) || c == U'\u2026' || c == U'\u060C' || c == U':' || c == U'؟' || c == U'?') {
            for (++i; i < s.size() && (is_point(s[i]) || s[i] == U'\u2026' || is_space(s[i]) || s[i] == U'\u060C');)
                ++i;
            if (c == U'؟' || c == U'?')
                out.word("؟");
            out.pause();
            number_may_start = true;
            continue;
        }
        if (c == U'(' || c == U')') {
            ++i;
            continue;
        }
        // A word: letters up to the next space, mark-free.
        std::u32string word;
        for (; i < s.size() && (is_word_char(s[i]) || is_mark(s[i])); ++i)
            if (!is_mark(s[i]))
                word.push_back(s[i]);
        if (word.empty()) {
            ++i;
            continue;
        }
        if (const char* name = letter_name(word))
            out.word(name);
        else if (const char* latin = latin_word(word))
            out.word(latin);
        else
            out.word(encode(word));
        number_may_start = false;
    }
    return out.done();
}

namespace {

// The control's name without its reading, which may hold the control itself.
std::string own_name(const Control& c)
{
    const bool named = !c.accessible_name.empty();
    if (c.kind == Kind::TextBox) {
        // An empty display has nothing to say; an input box is named by what goes into it.
        if (c.role != BoxRole::Input && c.text.empty())
            return {};
        return named ? spoken(c.accessible_name) : spoken(c.text);
    }
    return named && c.text == c.named_text ? spoken(c.accessible_name) : spoken(c.text);
}

bool heard(const Control& c) { return c.shown() && !own_name(c).empty(); }

std::string part_words(const Part& p, bool displays_only)
{
    auto counts = [&](const Control& c) {
        return !(displays_only && c.kind == Kind::TextBox && !c.locked() && c.role == BoxRole::Input);
    };
    switch (p.kind) {
    case Part::Kind::Control: {
        const Control& c = *p.controls[0];
        // A box is heard by what it holds; its name only says what goes in it.
        if (!counts(c) || !c.shown())
            return {};
        return c.kind == Kind::TextBox ? spoken(c.text) : own_name(c);
    }
    case Part::Kind::Fraction: {
        const Control &n = *p.controls[0], &d = *p.controls[1];
        if (!counts(n) || !n.shown() || spoken(n.text).empty())
            return {};
        const std::string below = d.shown() ? spoken(d.text) : std::string();
        return below.empty() ? spoken(n.text) : spoken(n.text) + " على " + below;
    }
    case Part::Kind::Pressed:
        for (const Control* c : p.controls)
            if (c->screen != nullptr && c->screen->last_pressed() == c && heard(*c))
                return spoken(c->text);
        return {};
    }
    return {};
}

// An operator, an equals sign or a drawn root or bar: said only with something it joins.
bool is_sign(const Part& p)
{
    if (p.kind == Part::Kind::Pressed)
        return true;
    const Control& c = *p.controls[0];
    if (p.kind != Part::Kind::Control || c.kind == Kind::TextBox)
        return false;
    if (c.kind == Kind::Line)
        return true;
    // A frame or a label heard by its name alone, such as a mark, is no sign.
    bool sign = false;
    for (char32_t ch : decode(c.text)) {
        if (!is_space(ch) && !is_mark(ch) && symbol_word(ch) == nullptr)
            return false;
        sign = sign || symbol_word(ch) != nullptr;
    }
    return sign;
}

}  // namespace

// Signs wait for the next number or word; a reading with neither says nothing, and one that ends
// before its answers ends on the first sign after its last number ("... يساوي").
std::string spoken(const std::vector<Part>& parts, bool displays_only)
{
    Utterance out;
    std::vector<std::string> signs;
    bool said = false;
    for (const Part& p : parts) {
        std::string words = part_words(p, displays_only);
        if (words.empty())
            continue;
        if (is_sign(p)) {
            signs.push_back(std::move(words));
            continue;
        }
        for (const std::string& sign : signs)
            out.word(sign);
        signs.clear();
        out.word(words);
        said = true;
    }
    if (said && !signs.empty())
        out.word(signs.front());
    return out.done();
}

std::string spoken_name(const Control& c)
{
    // Until there is something to read, such as an answer box before its question is drawn, the
    // control is heard by its own name.
    const std::string read = c.reads.empty() ? std::string() : spoken(c.reads);
    return read.empty() ? own_name(c) : read;
}

}  // namespace model
