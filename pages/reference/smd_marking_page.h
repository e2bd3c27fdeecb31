#pragma once

#include "controls/page.h"

namespace pages {

class SmdMarkingPage : public controls::Page {
    Q_OBJECT

public:
    explicit SmdMarkingPage(QWidget* parent = nullptr);
};

} // namespace pages
