#pragma once
// The main window's preferences, stored in 160pref.txt in this order.
#include <cstdint>
#include <string>

namespace topband {

struct Preferences {
    std::string OwnCall;
    std::string OwnSection;
    float UtcOffset = 0;  // hours added to local time to give UTC
    std::string OwnCountry;
    float OwnLongitude = 0;  // degrees, west positive
    float OwnLatitude = 0;   // degrees, north positive
    std::uint8_t FormSizePercent = 100;
    std::int32_t WorkedColor = 0x0000C0;    // 0x00BBGGRR: dark red
    std::int32_t UnworkedColor = 0x808080;  // grey
    std::uint8_t VoiceNavLevel = 0;
    std::uint8_t TaskbarSetting = 0;  // kept for the file: every window now stays clear of the panels
    friend bool operator==(const Preferences&, const Preferences&) = default;
};

}  // namespace topband
