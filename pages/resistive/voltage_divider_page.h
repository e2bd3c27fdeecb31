#pragma once

#include "controls/page.h"

namespace pages {

class VoltageDividerPage : public controls::Page {
    Q_OBJECT

public:
    explicit VoltageDividerPage(QWidget* parent = nullptr);
};

} // namespace pages
