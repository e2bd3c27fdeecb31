#pragma once

#include "controls/page.h"

namespace pages {

class ResistorCodePage : public controls::Page {
    Q_OBJECT

public:
    explicit ResistorCodePage(QWidget* parent = nullptr);
};

} // namespace pages
