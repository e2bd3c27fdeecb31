#pragma once

#include "controls/page.h"

namespace pages {

class HighPassPage : public controls::Page {
    Q_OBJECT

public:
    explicit HighPassPage(QWidget* parent = nullptr);
};

} // namespace pages
