#include <gtest/gtest.h>

#include "core/hand_typed_time.h"

namespace topband {
namespace {

TEST(HandTypedTime, DatesOnlyInUnambiguousForms) {
    const struct {
        const char* typed;
        std::optional<std::string> stored;
    } cases[] = {
        {"2026/12/05", "2026/12/05"}, {"2026/12/5", "2026/12/05"},   {"2026/1/5", "2026/01/05"},
        {"20261205", "2026/12/05"},   {"2024/02/29", "2024/02/29"},  {"2026/02/29", std::nullopt},
        {"26/12/05", std::nullopt},   {"12/05/2026", std::nullopt},  {"2026-12-05", std::nullopt},
        {"2026/13/01", std::nullopt}, {"2026/12/32", std::nullopt},  {"261205", std::nullopt},
        {"", std::nullopt},           {"2026/12/05x", std::nullopt}, {"Dec 5 2026", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(storedDateFromTyped(c.typed), c.stored) << c.typed;
}

TEST(HandTypedTime, TimesOnlyInUnambiguousFormsStoredZeroPadded) {
    const struct {
        const char* typed;
        std::optional<std::string> withSeconds, withoutSeconds;
    } cases[] = {
        {"2201", "22:01:00", "22:01"},
        {"905", "09:05:00", "09:05"},
        {"9:05", "09:05:00", "09:05"},
        {"22:01", "22:01:00", "22:01"},
        {"22:01:07", "22:01:07", "22:01"},
        {"0:00", "00:00:00", "00:00"},
        {"24:00", std::nullopt, std::nullopt},
        {"22:60", std::nullopt, std::nullopt},
        {"22:01:60", std::nullopt, std::nullopt},
        {"22", std::nullopt, std::nullopt},
        {"220107", std::nullopt, std::nullopt},
        {"10 pm", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"22.01", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(storedTimeFromTyped(c.typed, true), c.withSeconds) << c.typed;
        EXPECT_EQ(storedTimeFromTyped(c.typed, false), c.withoutSeconds) << c.typed;
    }
}

}  // namespace
}  // namespace topband
