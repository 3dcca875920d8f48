#include "exercises/blocks/BlocksVariants.h"

#include "lang/LanguageFiles.h"
#include "services/MessageKeys.h"

BlockWords blockWordsFrom(LanguageFiles& strings)
{
    QStringList keys;
    for (int kind = 0; kind < 3; ++kind)
        keys << msg::blockWordsKey(kind, false) << msg::blockWordsKey(kind, true);
    // One reading of the file for the six texts.
    const QStringList texts = strings.getStrings(keys);
    BlockWords w;
    for (int kind = 0; kind < 3 && 2 * kind + 1 < texts.size(); ++kind) {
        w.one[kind] = texts.at(2 * kind);
        w.many[kind] = texts.at(2 * kind + 1);
    }
    return w;
}
