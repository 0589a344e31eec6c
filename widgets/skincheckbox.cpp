#include "skincheckbox.h"

#include "scale.h"
#include "settings.h"

QString SkinCheckBoxStyleSheet(double scale)
{
    constexpr int kPictureSize = 16;  // the skin's check box pictures
    // A border image stretches with the indicator; a plain image would keep its own size.
    return QString("QCheckBox::indicator{width:%2px;height:%2px;}"
                   "QCheckBox::indicator:enabled:unchecked { border-image: url(%1/skin/checkbox1-1.png)}"
                   "QCheckBox::indicator:enabled:checked { border-image: url(%1/skin/checkbox1-2.png)}"
                   "QCheckBox{background-color:rgba(255,255,255,0)}")
        .arg(AppDir())
        .arg(scaled(kPictureSize, scale));
}
