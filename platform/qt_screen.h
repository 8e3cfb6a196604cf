#pragma once
// The primary screen as Qt reports it, in layout units.
#include "platform/screen.h"

namespace topband {

class QtScreen : public Screen {
public:
    LayoutRect screen() const override;
    LayoutRect workArea() const override;
};

}  // namespace topband
