#include "host/number_conversion.h"

#include "host/runtime_error.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace vondrel::host {

namespace {

char16_t ToHalfWidth(char16_t c)
{
    if (c >= u'\uFF10' && c <= u'\uFF19')
        return static_cast<char16_t>(u'0' + (c - u'\uFF10'));
    switch (c) {
    // Chinese input methods type the ideographic full stop, or its halfwidth
    // form, for a point in Chinese punctuation: after no digit, or always in
    // full-width mode.
    case u'\uFF0E': case u'\u3002': case u'\uFF61': return u'.';
    case u'\uFF0B': return u'+';
    case u'\uFF0D': return u'-';
    case u'\uFF45': return u'e';
    case u'\uFF25': return u'E';
    default: return c;
    }
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Copies the leading number of a text, in ASCII, into a form that
// std::from_chars reads (it rejects a leading "+"), and keeps what is needed
// to tell an overflow from an underflow when the value is out of range.
class LeadingNumberScanner {
public:
    explicit LeadingNumberScanner(std::u16string_view text) : text_(text) {}

    // False when the text does not begin with a number.
    bool Scan()
    {
        if (Peek() == u'+' || Peek() == u'-') {
            negative_ = Peek() == u'-';
            if (negative_)
                ascii_ += '-';
            ++position_;
        }
        ScanDigits(/*fraction=*/false);
        if (Peek() == u'.') {
            ascii_ += '.';
            ++position_;
            ScanDigits(/*fraction=*/true);
        }
        if (digitCount_ == 0)
            return false;
        ScanExponent();
        return true;
    }

    const std::string& ascii() const { return ascii_; }
    bool negative() const { return negative_; }

    // Whether a number that from_chars found out of range is too large rather
    // than too small: the power of ten of its leading digit decides.
    bool IsTooLarge() const
    {
        const std::int64_t leadingDigitPower = significantIntegerDigits_ > 0
            ? significantIntegerDigits_ - 1
            : -(leadingFractionZeros_ + 1);
        return leadingDigitPower + exponent_ >= 0;
    }

private:
    // Past the end reads as U+0000, which no rule accepts.
    char16_t Peek(std::size_t ahead = 0) const
    {
        const std::size_t at = position_ + ahead;
        return at < text_.size() ? ToHalfWidth(text_[at]) : u'\0';
    }

    void ScanDigits(bool fraction)
    {
        for (char16_t c = Peek(); IsDigit(c); c = Peek()) {
            const bool significant = c != u'0' || seenNonZero_;
            seenNonZero_ = significant;
            if (!fraction && significant)
                ++significantIntegerDigits_;
            if (fraction && !significant)
                ++leadingFractionZeros_;
            ascii_ += static_cast<char>(c);
            ++digitCount_;
            ++position_;
        }
    }

    void ScanExponent()
    {
        if (Peek() != u'e' && Peek() != u'E')
            return;
        const std::size_t signLength = (Peek(1) == u'+' || Peek(1) == u'-') ? 1 : 0;
        if (!IsDigit(Peek(1 + signLength)))
            return;
        const bool negativeExponent = signLength == 1 && Peek(1) == u'-';
        ascii_ += negativeExponent ? "e-" : "e";
        position_ += 1 + signLength;
        // Far beyond any double's range is as good as infinite; clamping
        // keeps the sum safe from wrapping on absurdly long exponents.
        constexpr std::int64_t clamp = 1'000'000'000;
        for (char16_t c = Peek(); IsDigit(c); c = Peek()) {
            if (exponent_ < clamp)
                exponent_ = exponent_ * 10 + (c - u'0');
            ascii_ += static_cast<char>(c);
            ++position_;
        }
        if (negativeExponent)
            exponent_ = -exponent_;
    }

    std::u16string_view text_;
    std::size_t position_ = 0;
    std::string ascii_;
    bool negative_ = false;
    bool seenNonZero_ = false;
    std::size_t digitCount_ = 0;
    std::int64_t significantIntegerDigits_ = 0;
    std::int64_t leadingFractionZeros_ = 0;
    std::int64_t exponent_ = 0;
};

}  // namespace

double ReadLeadingNumber(std::u16string_view text)
{
    LeadingNumberScanner scanner(text);
    if (!scanner.Scan())
        return 0.0;

    const std::string& ascii = scanner.ascii();
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (scanner.IsTooLarge())
            throw RuntimeError::Overflow();
        return scanner.negative() ? -0.0 : 0.0;
    }
    return value;
}

}  // namespace vondrel::host
