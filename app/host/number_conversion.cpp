#include "host/number_conversion.h"

#include "host/half_width.h"
#include "host/runtime_error.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <system_error>

namespace vondrel::host {

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Copies the mantissa of a text's leading number, in ASCII, into a form that
// fast_float reads (it rejects a leading "+"), reads its exponent, and
// keeps what is needed to tell an overflow from an underflow when the value is
// out of range.
class LeadingNumberScanner {
public:
    explicit LeadingNumberScanner(std::u16string_view text) : text_(text) {}

    // False when the text does not begin with a number.
    bool Scan()
    {
        if (Peek() == u'+' || Peek() == u'-') {
            negative_ = Peek() == u'-';
            if (negative_)
                mantissa_ += '-';
            ++position_;
        }
        ScanDigits(/*fraction=*/false);
        if (Peek() == u'.') {
            mantissa_ += '.';
            ++position_;
            ScanDigits(/*fraction=*/true);
        }
        if (digitCount_ == 0)
            return false;
        ScanExponent();
        return true;
    }

    std::size_t length() const { return position_; }
    const std::string& mantissa() const { return mantissa_; }
    std::int64_t exponent() const { return exponent_; }
    bool negative() const { return negative_; }

    // The power of ten of the mantissa's leading digit.
    std::int64_t LeadingDigitPower() const
    {
        return significantIntegerDigits_ > 0 ? significantIntegerDigits_ - 1 : -(leadingFractionZeros_ + 1);
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
            mantissa_ += static_cast<char>(c);
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
        position_ += 1 + signLength;
        // Far beyond any double's range is as good as infinite; clamping
        // keeps the sum safe from wrapping on absurdly long exponents.
        constexpr std::int64_t clamp = 1'000'000'000;
        for (char16_t c = Peek(); IsDigit(c); c = Peek()) {
            if (exponent_ < clamp)
                exponent_ = exponent_ * 10 + (c - u'0');
            ++position_;
        }
        if (negativeExponent)
            exponent_ = -exponent_;
    }

    std::u16string_view text_;
    std::size_t position_ = 0;
    std::string mantissa_;
    bool negative_ = false;
    bool seenNonZero_ = false;
    std::size_t digitCount_ = 0;
    std::int64_t significantIntegerDigits_ = 0;
    std::int64_t leadingFractionZeros_ = 0;
    std::int64_t exponent_ = 0;
};

}  // namespace

LeadingNumber::LeadingNumber(std::u16string_view text)
{
    LeadingNumberScanner scanner(text);
    if (!scanner.Scan())
        return;
    length_ = scanner.length();
    mantissa_ = scanner.mantissa();
    exponent_ = scanner.exponent();
    leadingDigitPower_ = scanner.LeadingDigitPower();
    negative_ = scanner.negative();
}

double LeadingNumber::Value(int powerOfTen) const
{
    if (length_ == 0)
        return 0.0;
    const std::int64_t exponent = exponent_ + powerOfTen;
    const std::string ascii = mantissa_ + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = fast_float::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    // fast_float 3 reads a number beyond the range as an infinity and one below
    // it as a zero of its sign; later versions report both as out of range.
    if (error == std::errc::result_out_of_range || std::isinf(value)) {
        if (leadingDigitPower_ + exponent >= 0)
            throw RuntimeError::Overflow();
        return negative_ ? -0.0 : 0.0;
    }
    return value;
}

double ReadLeadingNumber(std::u16string_view text)
{
    return LeadingNumber(text).Value();
}

}  // namespace vondrel::host
