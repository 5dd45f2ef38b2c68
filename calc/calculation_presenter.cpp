#include "calc/calculation_presenter.h"

#include "calc/filter_capacitance.h"

#include <utility>

namespace vondrel {

CalculationPresentation PresentCalculation(std::u16string_view loadText, std::u16string_view periodText,
                                           std::u16string_view unitName)
{
    CalculationOutcome outcome = CalculateFilterCapacitance(loadText, periodText);
    if (outcome.kind == CalculationOutcome::Kind::IncompleteInput)
        return {.message = kIncompleteInputMessage, .resultText = {}, .announcement = {}};
    std::u16string announcement = outcome.resultText + u' ' + std::u16string(unitName);
    return {.message = {}, .resultText = std::move(outcome.resultText), .announcement = std::move(announcement)};
}

}  // namespace vondrel
