#pragma once

#include "controls/page.h"

namespace pages {

class AmmeterShuntPage : public controls::Page {
    Q_OBJECT

public:
    explicit AmmeterShuntPage(QWidget* parent = nullptr);
};

} // namespace pages
