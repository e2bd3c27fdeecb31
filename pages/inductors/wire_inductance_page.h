#pragma once

#include "controls/page.h"

namespace pages {

class WireInductancePage : public controls::Page {
    Q_OBJECT

public:
    explicit WireInductancePage(QWidget* parent = nullptr);
};

} // namespace pages
