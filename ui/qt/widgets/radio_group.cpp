#include "ui/qt/widgets/radio_group.h"

#include <QFontInfo>

#include "ui/qt/widgets/radio_item.h"

namespace morvanta {

std::vector<QRect> RadioItemRects(int itemCount, int columns, QSize groupSize, int cellHeight) {
    std::vector<QRect> rects;
    if (itemCount <= 0 || columns <= 0) return rects;
    const int rows = (itemCount + columns - 1) / columns;
    const int width = (groupSize.width() - 10) / columns;
    const int available = groupSize.height() - cellHeight - 5;
    const int height = available / rows;
    const int firstTop = cellHeight + 1 + (available % rows) / 2;
    for (int i = 0; i < itemCount; ++i)
        rects.emplace_back(8 + (i / rows) * width, firstTop + (i % rows) * height, width, height);
    return rects;
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), columns_(columns) {
    group_.setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new RadioItem(items[i], this);
        button->setObjectName(QString("%1Item%2").arg(caption).arg(i));
        group_.addButton(button, i);
        buttons_.push_back(button);
        connect(button, &RadioItem::StepRequested, this, [this, i](int step) { Step(i, step); });
    }
    connect(&group_, &QButtonGroup::idToggled, this, [this] { UpdateTabStops(); });
    UpdateTabStops();
}

int RadioGroup::ItemIndex() const { return group_.checkedId(); }

void RadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = group_.button(index)) button->setChecked(true);
}

QRadioButton* RadioGroup::Item(int index) const {
    return index >= 0 && index < ItemCount() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void RadioGroup::Step(int from, int step) {
    // Item order, wrapping at both ends, whatever the columns look like on the screen.
    const int next = ((from + step) % ItemCount() + ItemCount()) % ItemCount();
    SetItemIndex(next);
    Item(next)->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void RadioGroup::ArrangeItems() {
    // The cell height is the font's character height, as the classic desktop measures it.
    const int cell = QFontInfo(font()).pixelSize();
    const std::vector<QRect> rects = RadioItemRects(ItemCount(), columns_, size(), cell);
    for (std::size_t i = 0; i < rects.size(); ++i) buttons_[i]->setGeometry(rects[i]);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    ArrangeItems();
}

void RadioGroup::UpdateTabStops() {
    // Tab reaches the selected item only; a click still focuses any item.
    for (QRadioButton* button : buttons_)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace morvanta
