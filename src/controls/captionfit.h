#pragma once
// Captions placed at fixed positions: one wider than its place gets a smaller font rather than being cut off.
#include <QFontMetrics>
#include <QLabel>

namespace controls {

inline void fitCaption(QLabel *label)
{
    QFont font = label->font();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > label->width() && font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
}

} // namespace controls
