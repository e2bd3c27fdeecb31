#pragma once

#include "controls/page.h"

namespace pages {

class StarDeltaPage : public controls::Page {
    Q_OBJECT

public:
    explicit StarDeltaPage(QWidget* parent = nullptr);
};

} // namespace pages
