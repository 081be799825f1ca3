#include "kvbase/ctokenizer.h"

namespace Zorvan
{

CTokenizer::CTokenizer(const QString& sText, const QString& sDelimiter)
    : m_sText(sText), m_sDelimiter(sDelimiter)
{
}

bool CTokenizer::HasMoreTokens() const
{
    return m_nPos < m_sText.size();
}

QString CTokenizer::NextToken()
{
    if (!HasMoreTokens())
        return QString();
    const int nEnd = m_sDelimiter.isEmpty() ? -1 : m_sText.indexOf(m_sDelimiter, m_nPos);
    QString sToken;
    if (nEnd < 0)
    {
        sToken = m_sText.mid(m_nPos);
        m_nPos = m_sText.size();
    }
    else
    {
        sToken = m_sText.mid(m_nPos, nEnd - m_nPos);
        m_nPos = nEnd + m_sDelimiter.size();
    }
    return sToken;
}

int CTokenizer::CountTokens() const
{
    if (!HasMoreTokens())
        return 0;
    if (m_sDelimiter.isEmpty())
        return 1;
    int nCount = 0;
    int nPos = m_nPos;
    while (nPos < m_sText.size())
    {
        ++nCount;
        const int nEnd = m_sText.indexOf(m_sDelimiter, nPos);
        if (nEnd < 0)
            break;
        nPos = nEnd + m_sDelimiter.size();
    }
    return nCount;
}

} // namespace Zorvan
