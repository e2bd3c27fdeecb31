#pragma once

#include "support/page_fixture.h"

#include <QString>
#include <QStringList>

namespace testing {

// Plays a row's steps on a page as a user would, checking as it goes.
// One step a string, words split at blanks, the last word taking the rest:
//   type E text       retype edit E          insert E n text  type at caret n
//   set E text        the text as a paste would leave it, past the filter
//   negate E          a minus typed before the number
//   choose C item     pick a combo's item (or its index)     click B  a button or box
//   item G n          radio group item n     remember X       keep X's text
//   text X value      X shows exactly value  same X           X shows what was kept
//   overtype E text   type over the selected text
//   shows E number    E's number to 6 digits (number written with '.')
//   digits E n number E's number to n digits near E number limit  within limit
//   rounds E number   E's number rounds to the one quoted with 6 digits
//   formatted E       E's text is its number as the program writes it
//   contains X part   X's text holds part    caption E text   its label
//   solved E, input E, red E, readonly E, editable E, enabled W, disabled W,
//   checked B, unchecked B
//   uncheck B         clicks a box once or twice so that it ends unchecked
//   colour E c        background yellow, red or window
//   font X c          text colour normal, red, or notred
//   index C n         combo's current item   hint W text      its tooltip
//   tip W part        the tooltip the mouse brings up holds part
//   reason X text     the reason a red X gives ("" while not red)
//   picture L name    the picture label L shows
//   errors n [part]   n reports since the last check, the first holding part
//   spin S n          type n into a spin box   red S  a spin box's red state too
//   cell T r c text   table cell shows text    rows T n  the table has n rows
//   curve P i from to low high   every point of the chart's series i plotted
//                     between the frequencies lies between the losses
//   saved P suffix    the plot saves a picture (png, svg) that reads back
//   copied W part     W's copy action puts a text holding part on the clipboard
//   start             the page is back as it was when the steps began
//                     (what its Clear keeps aside)
// X is an edit, a label, a combo (its current item) or a grid (its rows, cells
// parted by " | ", rows by line feeds); "{2.5}" in a text is that number as the program
// writes it. Returns what went wrong, empty when all held.
QString RunSteps(PageFixture& page, const QString& sheet, const QStringList& steps);

} // namespace testing
