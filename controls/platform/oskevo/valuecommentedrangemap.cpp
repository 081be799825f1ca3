#include "oskevo/valuecommentedrangemap.h"

namespace values
{

int ValueCommentedRangeMap::AddRange(double dStart, double dStop, const QString& sComment)
{
    const int nKey = m_map.empty() ? 0 : m_map.rbegin()->first + 1;
    m_map.emplace(nKey, CommentedRange(dStart, dStop, sComment));
    return nKey;
}

CommentedRange ValueCommentedRangeMap::At(int nKey) const
{
    auto it = m_map.find(nKey);
    return it == m_map.end() ? CommentedRange() : it->second;
}

std::vector<int> ValueCommentedRangeMap::GetKeys() const
{
    std::vector<int> vecKeys;
    vecKeys.reserve(m_map.size());
    for (const auto& entry : m_map)
        vecKeys.push_back(entry.first);
    return vecKeys;
}

} // namespace values
