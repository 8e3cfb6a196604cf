#pragma once
// Every service faked but the files, which are real files in a temporary folder.
#include "platform/services.h"
#include "tests/fakes/failing_files.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_screen.h"
#include "tests/fakes/fake_settings_store.h"
#include "tests/fakes/fake_ui.h"

namespace topband::testing {

struct FakeServices {
    FailingFiles files;
    FakeClock clock;
    FakeSettingsStore settings;
    FakeUi ui;
    FakeScreen screen;
    Services services{files, clock, settings, ui, screen};
};

}  // namespace topband::testing
