#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QRect>
#include <QStringList>
#include <vector>

namespace morvanta {

// Where the items of a radio group lie, column by column, in a group of the given size
// whose font has the given character cell height.
std::vector<QRect> RadioItemRects(int itemCount, int columns, QSize groupSize, int cellHeight);

// A captioned group of radio items laid out in columns. Exactly one item is selected once
// one has been; only the selected item is reached with Tab; the arrow keys go round the items
// in their order.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;
    int ItemCount() const { return static_cast<int>(buttons_.size()); }

    // Places the items for the group's current size and font.
    void ArrangeItems();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Selects and focuses the item `step` places after item `from`.
    void Step(int from, int step);
    void UpdateTabStops();
    int columns_;
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace morvanta
