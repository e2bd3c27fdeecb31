#pragma once

#include "controls/page.h"

namespace pages {

class SingleLayerCoilPage : public controls::Page {
    Q_OBJECT

public:
    explicit SingleLayerCoilPage(QWidget* parent = nullptr);
};

} // namespace pages
