#pragma once

#include "controls/page.h"

namespace pages {

class InductorCodePage : public controls::Page {
    Q_OBJECT

public:
    explicit InductorCodePage(QWidget* parent = nullptr);
};

} // namespace pages
