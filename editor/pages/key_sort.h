#pragma once
// Sorting the lines of a table by one of its columns: each line becomes a
// key that leads with that column, the keys are merge-sorted (equal keys keep
// their order), the order is turned round for a descending sort, and each
// line is rebuilt from its key.

#include "editor/core/list_helpers.h"

#include <QString>
#include <QStringList>

#include <algorithm>

namespace pages {

template <typename To_Key, typename From_Key>
QStringList Sort_By_Key(const QStringList& lines, bool ascending, To_Key to_key, From_Key from_key)
{
    QStringList keys;
    keys.reserve(lines.size());
    for (const QString& line : lines)
        keys << to_key(line);
    keys = core::Merge_Sort(keys);
    if (!ascending)
        std::reverse(keys.begin(), keys.end());
    QStringList result;
    result.reserve(keys.size());
    for (const QString& key : keys)
        result << from_key(key);
    return result;
}

} // namespace pages
