#pragma once

#include "kvbase/kvexception.h"

#include <QString>
#include <string>

namespace REPORTGENERATOR
{

// Failure of the report generator: what was wrong and, for documents, where (line and
// column, both from 1; 0 when unknown). It is a KVException, so code that guards file and
// clipboard input with KVException handlers catches it as well.
class ReportException : public KVException
{
public:
    explicit ReportException(const QString& sError, int nLine = 0, int nColumn = 0,
                             const QString& sFunction = QString());

    // The error followed by the position when known: "Unknown demodulation "XY" (at 3:14)".
    QString GetErrorText() const;
    const QString& GetError() const { return GetMessage(); }
    int GetColumn() const { return m_nColumn; }
    // The error text, position included.
    const char* what() const noexcept override;

private:
    int m_nColumn;
    std::string m_sWhat;
};

} // namespace REPORTGENERATOR
