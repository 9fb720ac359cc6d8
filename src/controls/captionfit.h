#pragma once
// Captions placed at fixed positions: one wider than its place gets a smaller font rather than being cut off.
// Also the words of a caption, which name the field it stands beside.
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

// "Exec TO : " -> "Exec TO".
inline QString captionWords(const QString &caption)
{
    QString words = caption.trimmed();
    if (words.endsWith(QLatin1Char(':')))
        words = words.chopped(1).trimmed();
    return words;
}

} // namespace controls
