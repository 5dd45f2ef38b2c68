#include "reference_quantity.h"

#include "reference.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Fate = ReferenceQuantity::Fate;
using Words = std::vector<std::u16string>;
using Units = std::set<std::u16string>;

const std::map<std::u16string, int> kPrefixes = {
    {u"p", -12}, {u"n", -9}, {u"u", -6}, {u"µ", -6}, {u"μ", -6}, {u"m", -3}, {u"k", 3}, {u"K", 3},
    {u"M", 6}, {u"G", 9}, {u"皮", -12}, {u"纳", -9}, {u"微", -6}, {u"毫", -3}, {u"千", 3}, {u"兆", 6}};
const std::map<char16_t, int> kCodeLetters = {{u'R', 0}, {u'k', 3}, {u'K', 3}, {u'M', 6}, {u'G', 9}};
const Units kOhms = {u"Ω", u"Ω", u"ohm", u"ohms", u"Ohm", u"Ohms", u"欧", u"欧姆"};
const Units kSeconds = {u"s", u"S", u"sec", u"秒"};
const Units kHertz = {u"Hz", u"hz", u"HZ", u"赫", u"赫兹"};

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The blank-separated words of a text, its full-width forms of ASCII folded.
Words WordsOf(std::u16string_view text)
{
    Words words;
    bool inWord = false;
    for (char16_t c : text) {
        if (!inWord && !IsBlank(c))
            words.emplace_back();
        inWord = !IsBlank(c);
        if (inWord)
            words.back() += c >= u'！' && c <= u'～' ? static_cast<char16_t>(c - u'！' + u'!') : c;
    }
    return words;
}

// The power of ten of the words after a number that are a prefix, a unit, or
// a prefix and a unit, apart or together.
std::optional<int> SuffixPower(const Words& words, const Units& units)
{
    if (words.size() == 2 && kPrefixes.contains(words[0]) && units.contains(words[1]))
        return kPrefixes.at(words[0]);
    if (words.size() != 1)
        return std::nullopt;
    if (units.contains(words[0]))
        return 0;
    for (const auto& [prefix, power] : kPrefixes)
        if (words[0] == prefix || (words[0].starts_with(prefix) && units.contains(words[0].substr(prefix.size()))))
            return power;
    return std::nullopt;
}

// `number` (ASCII, as strtod reads it) times 10^power, by moving its point.
ReferenceQuantity Shifted(const std::string& number, int power)
{
    const std::size_t exponent = std::min(number.find_first_of("eE"), number.size());
    const std::size_t sign = number.starts_with('-') || number.starts_with('+') ? 1 : 0;
    std::string digits = number.substr(sign, exponent - sign);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    if (point < digits.size())
        digits.erase(point, 1);
    const auto shifted = static_cast<std::ptrdiff_t>(point) + power;
    if (shifted < 0)
        digits.insert(0, static_cast<std::size_t>(-shifted), '0');
    const std::size_t at = static_cast<std::size_t>(std::max<std::ptrdiff_t>(shifted, 0));
    if (at > digits.size())
        digits.append(at - digits.size(), '0');
    digits.insert(at, 1, '.');
    errno = 0;
    const double value = std::strtod((number.substr(0, sign) + digits + number.substr(exponent)).c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return {Fate::Overflow, 0};
    return {Fate::Value, value};
}

// A resistor code starts the text: sign, digits, the letter for the point,
// digits, and a unit after it or in the next word.
std::optional<ReferenceQuantity> CodeOf(std::u16string_view text)
{
    const Words words = WordsOf(text);
    if (text.empty() || IsBlank(text.front()) || words.size() > 2)
        return std::nullopt;
    const std::u16string& code = words[0];
    std::size_t at = code.starts_with(u'+') || code.starts_with(u'-') ? 1 : 0;
    while (at < code.size() && IsDigit(code[at]))
        ++at;
    const std::size_t letter = at++;
    while (at < code.size() && IsDigit(code[at]))
        ++at;
    const std::u16string unit = code.substr(std::min(at, code.size()));
    const bool unitAfter = words.size() == 1 ? unit.empty() || kOhms.contains(unit) : unit.empty() && kOhms.contains(words[1]);
    if (letter >= code.size() || !kCodeLetters.contains(code[letter]) || at == letter + 1 || !unitAfter)
        return std::nullopt;
    const std::u16string number = code.substr(0, letter) + u'.' + code.substr(letter + 1, at - letter - 1);
    return Shifted(std::string(number.begin(), number.end()), kCodeLetters.at(code[letter]));
}

std::optional<int> PowerAfterNumber(std::u16string_view text, const Units& units, std::string& number)
{
    const std::string run = NumberRun(text);
    char* end = nullptr;
    std::strtod(run.c_str(), &end);
    number = run.substr(0, static_cast<std::size_t>(end - run.c_str()));
    return number.empty() ? std::nullopt : SuffixPower(WordsOf(text.substr(number.size())), units);
}

ReferenceQuantity Plain(std::u16string_view text)
{
    const ReferenceNumber number = ReferenceReading(text);
    return {number.tooLarge ? Fate::Overflow : Fate::Value, number.value};
}

}  // namespace

ReferenceQuantity ReferenceLoad(std::u16string_view text)
{
    std::string number;
    if (const std::optional<ReferenceQuantity> code = CodeOf(text))
        return *code;
    if (const std::optional<int> power = PowerAfterNumber(text, kOhms, number))
        return Shifted(number, *power);
    return Plain(text);
}

ReferenceQuantity ReferencePeriod(std::u16string_view text)
{
    std::string number;
    if (const std::optional<int> power = PowerAfterNumber(text, kSeconds, number))
        return Shifted(number, *power);
    if (const std::optional<int> power = PowerAfterNumber(text, kHertz, number)) {
        const ReferenceQuantity frequency = Shifted(number, *power);
        if (frequency.fate != Fate::Value)
            return frequency;
        if (frequency.value == 0)
            return {Fate::DivisionByZero, 0};
        const double period = 1.0 / frequency.value;
        return {std::isinf(period) ? Fate::Overflow : Fate::Value, period};
    }
    return Plain(text);
}
