#pragma once

#include "controls/page.h"

namespace pages {

class ReactancePage : public controls::Page {
    Q_OBJECT

public:
    explicit ReactancePage(QWidget* parent = nullptr);
};

} // namespace pages
