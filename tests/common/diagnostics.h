#pragma once

#include "kvbase/errorhandler.h"

#include <QStringList>

// Receives assertions and traces while it exists, with the given level mask, each as
// "text|source|line".
class Diagnostics
{
public:
    explicit Diagnostics(int nLevel) : m_nPreviousLevel(ErrorHandler::Instance()->GetLevel())
    {
        ErrorHandler::Instance()->SetLevel(nLevel);
        m_previous = ErrorHandler::Instance()->SetSink(
            [this](const ErrorHandler::Report& report) {
                m_listReports
                    << QStringLiteral("%1|%2|%3").arg(report.sText, report.sSource).arg(report.nLine);
            });
    }
    ~Diagnostics()
    {
        ErrorHandler::Instance()->SetSink(m_previous);
        ErrorHandler::Instance()->SetLevel(m_nPreviousLevel);
    }
    QStringList m_listReports;

private:
    int m_nPreviousLevel;
    ErrorHandler::Sink m_previous;
};
