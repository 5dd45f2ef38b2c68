#include "host/quantity_reading.h"

#include "host/checked_arithmetic.h"
#include "host/half_width.h"
#include "host/number_conversion.h"
#include "host/trim.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

namespace vondrel::host {

namespace {

struct Scale {
    char16_t symbol;
    int powerOfTen;
};

constexpr Scale kPrefixes[] = {
    {u'p', -12}, {u'n', -9}, {u'u', -6}, {u'\u00B5', -6}, {u'\u03BC', -6}, {u'm', -3},
    {u'k', 3}, {u'K', 3}, {u'M', 6}, {u'G', 9},
    {u'皮', -12}, {u'纳', -9}, {u'微', -6}, {u'毫', -3}, {u'千', 3}, {u'兆', 6},
};

// The letters that stand for the point in a resistor code, and its scale.
constexpr Scale kCodeLetters[] = {{u'R', 0}, {u'k', 3}, {u'K', 3}, {u'M', 6}, {u'G', 9}};

using Units = std::span<const std::u16string_view>;

constexpr std::u16string_view kOhms[] = {u"\u03A9", u"\u2126", u"ohm", u"ohms", u"Ohm", u"Ohms", u"欧", u"欧姆"};
constexpr std::u16string_view kSeconds[] = {u"s", u"S", u"sec", u"秒"};
constexpr std::u16string_view kHertz[] = {u"Hz", u"hz", u"HZ", u"赫", u"赫兹"};

std::optional<int> ScaleOf(char16_t symbol, std::span<const Scale> scales)
{
    const auto found = std::find_if(scales.begin(), scales.end(),
                                    [symbol](const Scale& scale) { return scale.symbol == symbol; });
    return found == scales.end() ? std::nullopt : std::optional(found->powerOfTen);
}

bool IsUnit(std::u16string_view text, Units units)
{
    return std::find(units.begin(), units.end(), text) != units.end();
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// What follows a number, full-width forms folded, blanks around dropped.
std::u16string Rest(std::u16string_view text, std::size_t from)
{
    return ToHalfWidth(TrimBlanks(text.substr(from)));
}

// The power of ten of a suffix made of a prefix, a unit, or a prefix then a
// unit; nothing for any other text. No unit begins with a prefix's symbol.
std::optional<int> SuffixScale(std::u16string_view suffix, Units units)
{
    if (suffix.empty())
        return std::nullopt;
    const std::optional<int> prefix = ScaleOf(suffix.front(), kPrefixes);
    if (!prefix)
        return IsUnit(suffix, units) ? std::optional(0) : std::nullopt;
    const std::u16string_view unit = TrimBlanks(suffix.substr(1));
    if (unit.empty() || IsUnit(unit, units))
        return prefix;
    return std::nullopt;
}

// A resistor code: an optional sign, digits, the code letter in place of the
// point, at least one digit, then nothing but blanks or a unit of resistance.
std::optional<double> ReadResistorCode(std::u16string_view text)
{
    std::u16string number;
    std::size_t at = 0;
    const auto next = [&] { return at < text.size() ? ToHalfWidth(text[at]) : u'\0'; };
    const auto take = [&] { number += next(); ++at; };
    if (next() == u'+' || next() == u'-')
        take();
    while (IsDigit(next()))
        take();
    const std::optional<int> scale = ScaleOf(next(), kCodeLetters);
    if (!scale)
        return std::nullopt;
    ++at;
    number += u'.';
    const std::size_t fraction = at;
    while (IsDigit(next()))
        take();
    const std::u16string unit = Rest(text, at);
    if (at == fraction || !(unit.empty() || IsUnit(unit, kOhms)))
        return std::nullopt;
    return LeadingNumber(number).Value(*scale);
}

}  // namespace

double ReadLoadOhms(std::u16string_view text)
{
    if (const std::optional<double> code = ReadResistorCode(text))
        return *code;
    const LeadingNumber number(text);
    if (number.length() > 0)
        if (const std::optional<int> scale = SuffixScale(Rest(text, number.length()), kOhms))
            return number.Value(*scale);
    return number.Value();
}

double ReadPeriodSeconds(std::u16string_view text)
{
    const LeadingNumber number(text);
    if (number.length() > 0) {
        const std::u16string suffix = Rest(text, number.length());
        if (const std::optional<int> scale = SuffixScale(suffix, kSeconds))
            return number.Value(*scale);
        if (const std::optional<int> scale = SuffixScale(suffix, kHertz))
            return CheckedDivide(1.0, number.Value(*scale));
    }
    return number.Value();
}

}  // namespace vondrel::host
