// Rows of list boxes and drop-down lists tall enough for capitals with dots and rings (Å, Ä, Ö):
// several fonts draw those above the ascent that the toolkit's default row height allows, and
// the top of the letter was cut off.
#pragma once

class QAbstractItemView;
class QComboBox;

namespace ui::detail {

void giveRowsRoom(QAbstractItemView* view);
void giveRowsRoom(QComboBox* combo);

} // namespace ui::detail
