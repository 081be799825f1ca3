#include "kvbase/kvexception.h"

KVException::KVException(const QString& sMessage, const QString& sFunction, const QString& sSource,
                         const QString& sDetail, int nLine, int nCode)
    : m_sMessage(sMessage), m_sFunction(sFunction), m_sSource(sSource), m_sDetail(sDetail), m_nLine(nLine),
      m_nCode(nCode)
{
    m_sWhat = GetText().toStdString();
}

QString KVException::GetText() const
{
    QString sText = m_sMessage;
    if (!m_sFunction.isEmpty())
        sText += QStringLiteral(" [%1]").arg(m_sFunction);
    if (!m_sSource.isEmpty())
        sText += m_nLine > 0 ? QStringLiteral(" (%1:%2)").arg(m_sSource).arg(m_nLine)
                             : QStringLiteral(" (%1)").arg(m_sSource);
    if (!m_sDetail.isEmpty())
        sText += QStringLiteral(": ") + m_sDetail;
    return sText;
}

const char* KVException::what() const noexcept
{
    return m_sWhat.c_str();
}
