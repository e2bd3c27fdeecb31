#pragma once

#include "controls/page.h"

namespace pages {

class FerriteRingPage : public controls::Page {
    Q_OBJECT

public:
    explicit FerriteRingPage(QWidget* parent = nullptr);
};

} // namespace pages
