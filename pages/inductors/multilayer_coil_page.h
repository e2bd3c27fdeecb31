#pragma once

#include "controls/page.h"

namespace pages {

class MultilayerCoilPage : public controls::Page {
    Q_OBJECT

public:
    explicit MultilayerCoilPage(QWidget* parent = nullptr);
};

} // namespace pages
