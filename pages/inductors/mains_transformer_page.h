#pragma once

#include "controls/page.h"

namespace pages {

class MainsTransformerPage : public controls::Page {
    Q_OBJECT

public:
    explicit MainsTransformerPage(QWidget* parent = nullptr);
};

} // namespace pages
