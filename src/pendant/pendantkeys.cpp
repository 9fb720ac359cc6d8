#include "pendantkeys.h"

namespace pendant {

namespace {
int find(const auto &page, const QString &caption)
{
    for (const PendantKey &key : page)
        if (key.caption && QString::fromUtf8(key.caption) == caption)
            return key.number;
    return -1;
}
} // namespace

int keyNamed(const QString &name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < tavlox::PendantKeyCount ? number : -1;
    for (const char *prefix : {"miniTP ", "miniTP:"})
        if (name.startsWith(QLatin1String(prefix)))
            return find(MiniTpKeys, name.mid(int(qstrlen(prefix))));
    for (const char *prefix : {"TP ", "TP:"})
        if (name.startsWith(QLatin1String(prefix)))
            return find(TpKeys, name.mid(int(qstrlen(prefix))));
    const int onTp = find(TpKeys, name);
    return onTp >= 0 ? onTp : find(MiniTpKeys, name);
}

} // namespace pendant
