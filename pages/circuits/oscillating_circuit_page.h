#pragma once

#include "controls/page.h"

namespace pages {

class OscillatingCircuitPage : public controls::Page {
    Q_OBJECT

public:
    explicit OscillatingCircuitPage(QWidget* parent = nullptr);
};

} // namespace pages
