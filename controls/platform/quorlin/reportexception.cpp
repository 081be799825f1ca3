#include "quorlin/reportexception.h"

namespace REPORTGENERATOR
{

ReportException::ReportException(const QString& sError, int nLine, int nColumn, const QString& sFunction)
    : KVException(sError, sFunction, QString(), QString(), nLine), m_nColumn(nColumn),
      m_sWhat(GetErrorText().toStdString())
{
}

QString ReportException::GetErrorText() const
{
    if (GetLine() <= 0)
        return GetMessage();
    if (m_nColumn <= 0)
        return QStringLiteral("%1 (at line %2)").arg(GetMessage(), QString::number(GetLine()));
    // One pass: the message may itself contain "%2" taken from a document.
    return QStringLiteral("%1 (at %2:%3)")
        .arg(GetMessage(), QString::number(GetLine()), QString::number(m_nColumn));
}

const char* ReportException::what() const noexcept
{
    return m_sWhat.c_str();
}

} // namespace REPORTGENERATOR
