#include "store/Formats.h"

#include <optional>
#include <utility>

namespace nudgeon {

namespace {

std::optional<TFormatSettings>& SavedUserFormats()
{
    static std::optional<TFormatSettings> saved;
    return saved;
}

} // namespace

TFormatSettings WithUserFormats(TFormatSettings settings, const TFormatSettings& user)
{
    settings.ShortDateFormat = user.ShortDateFormat;
    settings.DateSeparator = user.DateSeparator;
    settings.TimeSeparator = user.TimeSeparator;
    settings.TimeAMString = user.TimeAMString;
    settings.TimePMString = user.TimePMString;
    return settings;
}

void SaveSystemFormats(const TFormatSettings& user)
{
    SavedUserFormats() = user;
}

void UseSystemFormats()
{
    auto& saved = SavedUserFormats();
    if (!saved)
        saved = SystemFormatSettings();
    SetFormatsInForce(WithUserFormats(FormatsInForce(), *saved));
}

void UseProgramFormats()
{
    SetFormatsInForce(WithProgramFormats(FormatsInForce()));
}

} // namespace nudgeon
