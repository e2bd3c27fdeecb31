#pragma once

#include "controls/page.h"

namespace pages {

class OhmsLawPage : public controls::Page {
    Q_OBJECT

public:
    explicit OhmsLawPage(QWidget* parent = nullptr);
};

} // namespace pages
