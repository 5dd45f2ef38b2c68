#include "calc/filter_capacitance.h"

#include "host/checked_arithmetic.h"
#include "host/number_format.h"
#include "host/quantity_reading.h"
#include "host/trim.h"

namespace vondrel {

namespace {

// The lower bound of the rule's factor of 3 to 5.
constexpr double kRippleFactor = 3;
constexpr double kMicrofaradsPerFarad = 1000000;
constexpr double kDivisorFactor = 2;

}  // namespace

CalculationOutcome CalculateFilterCapacitance(std::u16string_view loadText,
                                              std::u16string_view periodText)
{
    const std::u16string_view load = host::TrimBlanks(loadText);
    const std::u16string_view period = host::TrimBlanks(periodText);
    if (load.empty() || period.empty())
        return CalculationOutcome::IncompleteInput();

    const double resistance = host::ReadLoadOhms(load);
    const double periodSeconds = host::ReadPeriodSeconds(period);

    // This order of operations decides which inputs overflow and how the last
    // digit rounds; keep it.
    const double p = host::CheckedMultiply(kRippleFactor, periodSeconds);
    const double q = host::CheckedMultiply(p, kMicrofaradsPerFarad);
    const double d = host::CheckedMultiply(kDivisorFactor, resistance);
    const double microfarads = host::CheckedDivide(q, d);

    return CalculationOutcome::Value(host::FormatOneDecimal(microfarads));
}

}  // namespace vondrel
