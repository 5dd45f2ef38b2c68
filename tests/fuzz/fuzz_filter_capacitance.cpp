// Feeds two arbitrary texts to the calculation and to the host services under
// it, and checks what their results must satisfy. A broken property aborts,
// and libFuzzer keeps the input as a finding.
//
// The input is little-endian UTF-16: the load text up to the first U+0000,
// the period text after it; an odd last byte is dropped.

#include "checks.h"

#include "host/trim.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

struct Texts {
    std::u16string load;
    std::u16string period;
};

Texts Split(const std::uint8_t* data, std::size_t size)
{
    Texts texts;
    std::u16string* text = &texts.load;
    for (std::size_t at = 0; at + 1 < size; at += 2) {
        const auto unit = static_cast<char16_t>(data[at] | data[at + 1] << 8);
        if (unit == u'\0' && text == &texts.load)
            text = &texts.period;
        else
            *text += unit;
    }
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Texts texts = Split(data, size);
    for (const std::u16string_view text : {std::u16string_view(texts.load), std::u16string_view(texts.period)}) {
        CheckTrim(text);
        for (const std::u16string_view read : {text, vondrel::host::TrimBlanks(text)}) {
            if (const std::optional<double> number = CheckConversion(read))
                CheckFormat(*number);
            CheckLoadReading(read);
            CheckPeriodReading(read);
        }
    }
    CheckCalculation(texts.load, texts.period);
    return 0;
}
