#pragma once

#include "controls/page.h"

namespace pages {

class AddedResistorPage : public controls::Page {
    Q_OBJECT

public:
    explicit AddedResistorPage(QWidget* parent = nullptr);
};

} // namespace pages
