#pragma once

#include "controls/page.h"

namespace pages {

class QuenchingCapacitorPage : public controls::Page {
    Q_OBJECT

public:
    explicit QuenchingCapacitorPage(QWidget* parent = nullptr);
};

} // namespace pages
