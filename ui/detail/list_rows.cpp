#include "ui/detail/list_rows.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <algorithm>

namespace ui::detail {
namespace {

class RoomyRows : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics& fm = option.fontMetrics;
        // From the top of the highest capital to the lowest descender, and a little air.
        const int ink = -fm.tightBoundingRect(QStringLiteral("ÅÄÖÉ")).top() + fm.descent();
        size.setHeight(std::max(size.height(), std::max(ink, fm.height()) + 4));
        return size;
    }
};

} // namespace

void giveRowsRoom(QAbstractItemView* view) {
    view->setItemDelegate(new RoomyRows(view));
}

void giveRowsRoom(QComboBox* combo) {
    combo->setItemDelegate(new RoomyRows(combo));
}

} // namespace ui::detail
