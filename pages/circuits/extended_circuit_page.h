#pragma once

#include "controls/page.h"

namespace pages {

class ExtendedCircuitPage : public controls::Page {
    Q_OBJECT

public:
    explicit ExtendedCircuitPage(QWidget* parent = nullptr);
};

} // namespace pages
