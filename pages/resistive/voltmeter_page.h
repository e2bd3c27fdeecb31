#pragma once

#include "controls/page.h"

namespace pages {

class VoltmeterPage : public controls::Page {
    Q_OBJECT

public:
    explicit VoltmeterPage(QWidget* parent = nullptr);
};

} // namespace pages
