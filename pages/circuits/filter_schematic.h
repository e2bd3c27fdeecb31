#pragma once

#include "engineering/filter_design.h"

#include <QWidget>

#include <vector>

namespace pages {

// The ladder as a schematic, drawn for its order and topology in the style
// of the program's pictures: black on white, the source on the left.
class FilterSchematic : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void showLadder(const engineering::filter::Ladder& ladder);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<engineering::filter::Branch> branches_;
};

} // namespace pages
