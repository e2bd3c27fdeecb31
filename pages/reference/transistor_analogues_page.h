#pragma once

#include "controls/page.h"

namespace pages {

class TransistorAnaloguesPage : public controls::Page {
    Q_OBJECT

public:
    explicit TransistorAnaloguesPage(QWidget* parent = nullptr);
};

} // namespace pages
