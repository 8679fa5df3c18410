#pragma once
// RadioGroup: a captioned box of radio items of which at most one is
// selected, as the option pictures of several lessons use it.
//
// ItemIndex() is the selected item, counted from 0 in the order the items
// were given, or -1 when none is selected. SetItemIndex(-1) clears the
// selection; an index below -1 counts as -1 and one past the last item as the
// last item. The item buttons are the box's only QRadioButton children, made
// in item order.
//
// Clicked is emitted for every click on an item (by mouse, Space or the
// arrow keys), also on the item already selected, after ItemIndex() has
// changed; setting the index from code emits nothing.

#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

#include "shell/Colors.h"

class QButtonGroup;
class QRadioButton;

namespace kavenor {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  // A box of the given size at its place later set with move(); `color`
  // fills it behind its caption and items.
  RadioGroup(QWidget* parent, const QString& name, const QString& caption,
             const QStringList& items, Rgb color, int width, int height);

  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Item(int index) const;

 signals:
  void Clicked();

 private:
  void placeItems();

  QButtonGroup* group_ = nullptr;
  QList<QRadioButton*> buttons_;
};

}  // namespace kavenor
