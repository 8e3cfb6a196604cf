#pragma once
// The outside services, bundled so a window takes one reference (tests pass fakes).
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/screen.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace topband {

struct Services {
    Files& files;
    Clock& clock;
    SettingsStore& settings;
    Ui& ui;
    Screen& screen;
};

}  // namespace topband
