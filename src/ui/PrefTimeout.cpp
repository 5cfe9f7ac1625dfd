#include "ui/PrefTimeout.h"

#include "ui/EditrepNumbers.h"

namespace nudgeon {
namespace {

constexpr std::int32_t SecondsPerMinute = 60;

int AnswerPosition(std::int32_t action)
{
    // No time-out is stored as action 0; it shows as the first entry.
    if (action == 0)
        return 0;
    for (std::size_t i = 0; i < TimeoutAnswers.size(); ++i) {
        if (TimeoutAnswers[i].Action == action)
            return static_cast<int>(i);
    }
    return NoAnswer;
}

} // namespace

TTimeoutChoice TimeoutChoiceFor(const TTimeoutSetting& setting)
{
    TTimeoutChoice choice;
    choice.WaitFor = setting.Seconds > 0;
    const std::int32_t minutes = setting.Seconds / SecondsPerMinute;
    choice.Minutes =
        PullIntoLimits(static_cast<int>(minutes), TimeoutMinutesMin, TimeoutMinutesMax);
    choice.Answer = AnswerPosition(setting.Action);
    return choice;
}

TTimeoutSetting TimeoutSettingFor(const TTimeoutChoice& choice, std::int32_t previousAction)
{
    if (!choice.WaitFor)
        return {0, 0};
    const bool selected =
        choice.Answer >= 0 && choice.Answer < static_cast<int>(TimeoutAnswers.size());
    const std::int32_t action =
        selected ? TimeoutAnswers[static_cast<std::size_t>(choice.Answer)].Action : previousAction;
    return {choice.Minutes * SecondsPerMinute, action};
}

} // namespace nudgeon
