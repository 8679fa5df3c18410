#include "shell/RadioGroup.h"

#include <QButtonGroup>
#include <QColor>
#include <QFontMetrics>
#include <QPalette>
#include <QRadioButton>
#include <algorithm>

namespace kavenor {

RadioGroup::RadioGroup(QWidget* parent, const QString& name, const QString& caption,
                       const QStringList& items, Rgb color, int width, int height)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  setFixedSize(width, height);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(color));
  setPalette(palette);
  setAutoFillBackground(true);

  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
    group_->addButton(button, i);
    buttons_.append(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, [this](int) { emit Clicked(); });
  placeItems();
}

void RadioGroup::placeItems() {
  // The items share the height below the caption evenly, one row each.
  const int captionHeight = QFontMetrics(font()).height();
  const int top = captionHeight;
  const int bottom = height() - 3;
  const int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  const int row = std::max(1, (bottom - top) / count);
  for (int i = 0; i < count; ++i)
    buttons_[i]->setGeometry(8, top + i * row, std::max(1, width() - 12), row);
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  const int count = Count();
  index = std::clamp(index, -1, count - 1);
  if (index < 0) {
    // An exclusive group keeps one button checked: let go of it for the clear.
    group_->setExclusive(false);
    for (QRadioButton* b : buttons_) b->setChecked(false);
    group_->setExclusive(true);
    return;
  }
  buttons_[index]->setChecked(true);
}

QRadioButton* RadioGroup::Item(int index) const {
  return index >= 0 && index < Count() ? buttons_[index] : nullptr;
}

}  // namespace kavenor
