#pragma once

#include "oskevo/commentedrange.h"

#include <map>
#include <vector>

namespace values
{

// Commented ranges under ascending integer keys.
class ValueCommentedRangeMap
{
public:
    // Adds under the next free key and answers it.
    int AddRange(double dStart, double dStop, const QString& sComment);
    CommentedRange At(int nKey) const; // an empty range for an unknown key
    bool Contains(int nKey) const { return m_map.count(nKey) != 0; }
    std::vector<int> GetKeys() const;
    int Count() const { return int(m_map.size()); }
    void Clear() { m_map.clear(); }

private:
    std::map<int, CommentedRange> m_map;
};

} // namespace values
