#pragma once
// A list item asking for a row height of 40. Built without a list, its size hint has no
// width yet, so the request is not valid and the row keeps the list's default height.

#include <QListWidgetItem>

class KestListWidgetItem : public QListWidgetItem {
public:
    KestListWidgetItem()
    {
        const QSize hint(sizeHint().width(), 40);
        if (hint.isValid())
            setSizeHint(hint);
    }
};
