#pragma once

#include "controls/page.h"

namespace pages {

class ParallelResistorsPage : public controls::Page {
    Q_OBJECT

public:
    explicit ParallelResistorsPage(QWidget* parent = nullptr);
};

} // namespace pages
