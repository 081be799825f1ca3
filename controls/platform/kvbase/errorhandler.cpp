#include "kvbase/errorhandler.h"

#include "kvbase/kvexception.h"

#include <QtGlobal>

ErrorHandler::ErrorHandler() : m_nLevel(LEVEL_ERROR | LEVEL_ASSERT)
{
}

ErrorHandler* ErrorHandler::Instance()
{
    static ErrorHandler s_handler;
    return &s_handler;
}

void ErrorHandler::_Q_assert(const QString& sExpression, const QString& sSource, int nLine)
{
    Emit({KIND_ASSERT, sExpression, sSource, nLine});
}

void ErrorHandler::_Q_Trace(const QString& sText, const QString& sSource, int nLine)
{
    Emit({KIND_TRACE, sText, sSource, nLine});
}

void ErrorHandler::Interface(const KVException& exception)
{
    Emit({KIND_EXCEPTION, exception.GetText(), exception.GetSource(), exception.GetLine()});
}

ErrorHandler::Sink ErrorHandler::SetSink(Sink sink)
{
    Sink old = m_sink;
    m_sink = std::move(sink);
    return old;
}

void ErrorHandler::Emit(const Report& report)
{
    if (m_sink)
    {
        // Call a copy: a sink may replace itself (SetSink) while it runs.
        const Sink sink = m_sink;
        sink(report);
        return;
    }
    static const char* const s_apszKind[] = {"assertion", "trace", "exception"};
    qWarning("%s: %s (%s:%d)", s_apszKind[report.eKind], qPrintable(report.sText), qPrintable(report.sSource),
             report.nLine);
}
