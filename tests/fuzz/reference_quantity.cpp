#include "reference_quantity.h"

#include "reference.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>
#include <set>
#include <string>
#include <vector>

namespace {

using Fate = ReferenceQuantity::Fate;
using Words = std::vector<std::u16string>;

const std::u16string kPrefixes[] = {u"p", u"n", u"u", u"µ", u"μ", u"m", u"k", u"K", u"M", u"G",
                                    u"皮", u"纳", u"微", u"毫", u"千", u"兆"};
const std::set<std::u16string> kOhms = {u"Ω", u"Ω", u"ohm", u"ohms", u"Ohm", u"Ohms", u"欧", u"欧姆"};
const std::set<std::u16string> kSeconds = {u"s", u"S", u"sec", u"秒"};
const std::set<std::u16string> kHertz = {u"Hz", u"hz", u"HZ", u"赫", u"赫兹"};

int PowerOf(const std::u16string& prefix)
{
    static const int powers[] = {-12, -9, -6, -6, -6, -3, 3, 3, 6, 9, -12, -9, -6, -3, 3, 6};
    for (std::size_t i = 0; i < std::size(kPrefixes); ++i)
        if (kPrefixes[i] == prefix)
            return powers[i];
    return 0;
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

// The blank-separated words of a text, its full-width ASCII forms folded.
Words WordsOf(std::u16string_view text)
{
    Words words;
    bool inWord = false;
    for (char16_t c : text) {
        if (IsBlank(c)) {
            inWord = false;
            continue;
        }
        if (c >= u'！' && c <= u'～')
            c = static_cast<char16_t>(c - u'！' + u'!');
        if (!inWord)
            words.emplace_back();
        words.back() += c;
        inWord = true;
    }
    return words;
}

// The power of ten of the words after a number, when they are a prefix, a
// unit or both, apart or together.
std::optional<int> SuffixPower(const Words& words, const std::set<std::u16string>& units)
{
    for (const std::u16string& prefix : kPrefixes) {
        const bool together = words.size() == 1 && words[0].starts_with(prefix) &&
                              units.contains(words[0].substr(prefix.size()));
        const bool apart = words.size() == 2 && words[0] == prefix && units.contains(words[1]);
        if ((words.size() == 1 && words[0] == prefix) || together || apart)
            return PowerOf(prefix);
    }
    if (words.size() == 1 && units.contains(words[0]))
        return 0;
    return std::nullopt;
}

// `number` (ASCII: sign, digits, point, exponent) times 10^power, by moving
// its point, as strtod reads it.
ReferenceQuantity Shifted(const std::string& number, int power)
{
    const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
    std::string mantissa = number.substr(0, exponentAt);
    const std::string sign = mantissa.starts_with('-') || mantissa.starts_with('+') ? mantissa.substr(0, 1) : "";
    mantissa.erase(0, sign.size());
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::string integer = mantissa.substr(0, point);
    std::string fraction = point < mantissa.size() ? mantissa.substr(point + 1) : "";
    for (; power > 0; --power) {
        integer += fraction.empty() ? '0' : fraction.front();
        fraction.erase(0, 1);
    }
    for (; power < 0; ++power) {
        fraction.insert(0, 1, integer.empty() ? '0' : integer.back());
        if (!integer.empty())
            integer.pop_back();
    }
    const std::string shifted = sign + integer + "." + fraction + number.substr(exponentAt);
    errno = 0;
    const double value = std::strtod(shifted.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return {Fate::Overflow, 0};
    return {Fate::Value, value};
}

// A resistor code's number as plain decimal, with the power of its letter.
// Like a number, a code starts the text.
std::optional<std::pair<std::string, int>> CodeOf(std::u16string_view text)
{
    if (text.empty() || IsBlank(text.front()))
        return std::nullopt;
    const Words words = WordsOf(text);
    if (words.empty() || words.size() > 2)
        return std::nullopt;
    const std::u16string& code = words[0];
    std::string number;
    std::size_t at = 0;
    if (at < code.size() && (code[at] == u'+' || code[at] == u'-'))
        number += static_cast<char>(code[at++]);
    for (; at < code.size() && code[at] >= u'0' && code[at] <= u'9'; ++at)
        number += static_cast<char>(code[at]);
    if (at == code.size())
        return std::nullopt;
    const char16_t letter = code[at++];
    const std::u16string letters = u"RkKMG";
    static const int powers[] = {0, 3, 3, 6, 9};
    if (letters.find(letter) == std::u16string::npos)
        return std::nullopt;
    number += '.';
    const std::size_t fraction = at;
    for (; at < code.size() && code[at] >= u'0' && code[at] <= u'9'; ++at)
        number += static_cast<char>(code[at]);
    const std::u16string unit = code.substr(at);
    const bool unitAfter = words.size() == 1 ? unit.empty() || kOhms.contains(unit)
                                             : unit.empty() && kOhms.contains(words[1]);
    if (at == fraction || !unitAfter)
        return std::nullopt;
    return std::pair(number, powers[letters.find(letter)]);
}

struct Number {
    std::string ascii;     // as far as strtod reads it
    std::size_t length;    // of the text it takes
};

Number LeadingNumberOf(std::u16string_view text)
{
    const std::string run = NumberRun(text);
    char* end = nullptr;
    std::strtod(run.c_str(), &end);
    const auto length = static_cast<std::size_t>(end - run.c_str());
    return {run.substr(0, length), length};
}

ReferenceQuantity Plain(std::u16string_view text)
{
    const ReferenceNumber number = ReferenceReading(text);
    return number.tooLarge ? ReferenceQuantity{Fate::Overflow, 0} : ReferenceQuantity{Fate::Value, number.value};
}

}  // namespace

ReferenceQuantity ReferenceLoad(std::u16string_view text)
{
    if (const auto code = CodeOf(text))
        return Shifted(code->first, code->second);
    const Number number = LeadingNumberOf(text);
    if (number.length > 0)
        if (const std::optional<int> power = SuffixPower(WordsOf(text.substr(number.length)), kOhms))
            return Shifted(number.ascii, *power);
    return Plain(text);
}

ReferenceQuantity ReferencePeriod(std::u16string_view text)
{
    const Number number = LeadingNumberOf(text);
    if (number.length > 0) {
        const Words suffix = WordsOf(text.substr(number.length));
        if (const std::optional<int> power = SuffixPower(suffix, kSeconds))
            return Shifted(number.ascii, *power);
        if (const std::optional<int> power = SuffixPower(suffix, kHertz)) {
            const ReferenceQuantity frequency = Shifted(number.ascii, *power);
            if (frequency.fate != Fate::Value)
                return frequency;
            if (frequency.value == 0)
                return {Fate::DivisionByZero, 0};
            const double period = 1.0 / frequency.value;
            return std::isinf(period) ? ReferenceQuantity{Fate::Overflow, 0} : ReferenceQuantity{Fate::Value, period};
        }
    }
    return Plain(text);
}
