#pragma once

#include "controls/page.h"

namespace pages {

class BandPassPage : public controls::Page {
    Q_OBJECT

public:
    explicit BandPassPage(QWidget* parent = nullptr);
};

} // namespace pages
