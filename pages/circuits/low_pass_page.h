#pragma once

#include "controls/page.h"

namespace pages {

class LowPassPage : public controls::Page {
    Q_OBJECT

public:
    explicit LowPassPage(QWidget* parent = nullptr);
};

} // namespace pages
