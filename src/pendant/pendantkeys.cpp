#include "pendantkeys.h"

#include <QHash>

namespace pendant {

namespace {
// Captions to key numbers, page by page, made once.
const QHash<QString, int> &captions(bool miniTp)
{
    static const auto make = [](const auto &page) {
        QHash<QString, int> byCaption;
        for (const PendantKey &key : page)
            if (key.caption)
                byCaption.insert(QString::fromUtf8(key.caption), key.number);
        return byCaption;
    };
    static const QHash<QString, int> tp = make(TpKeys);
    static const QHash<QString, int> miniTpPage = make(MiniTpKeys);
    return miniTp ? miniTpPage : tp;
}
} // namespace

int keyNamed(const QString &name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < protocol::PendantKeyCount ? number : -1;
    for (const auto &[prefix, miniTp] : {std::pair{"miniTP ", true}, std::pair{"miniTP:", true}, std::pair{"TP ", false}, std::pair{"TP:", false}})
        if (name.startsWith(QLatin1String(prefix)))
            return captions(miniTp).value(name.mid(int(qstrlen(prefix))), -1);
    return captions(false).value(name, captions(true).value(name, -1));
}

} // namespace pendant
