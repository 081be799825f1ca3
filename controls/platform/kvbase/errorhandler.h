#pragma once

#include <QString>
#include <functional>

class KVException;

// Process-wide diagnostics. A level mask gates what is reported: assertions (0x02) and
// traces (0x20). Reports go to a sink, which a host or a test may replace to see exactly
// which assertion or trace was raised with its text, source and line.
class ErrorHandler
{
public:
    enum Level
    {
        LEVEL_ERROR = 0x01,
        LEVEL_ASSERT = 0x02,
        LEVEL_TRACE = 0x20,
    };
    enum Kind
    {
        KIND_ASSERT,
        KIND_TRACE,
        KIND_EXCEPTION,
    };
    struct Report
    {
        Kind eKind;
        QString sText;
        QString sSource;
        int nLine;
    };
    typedef std::function<void(const Report&)> Sink;

    static ErrorHandler* Instance();

    int GetLevel() const { return m_nLevel; }
    void SetLevel(int nLevel) { m_nLevel = nLevel; }
    bool IsAssertOn() const { return (m_nLevel & LEVEL_ASSERT) != 0; }
    bool IsTraceOn() const { return (m_nLevel & LEVEL_TRACE) != 0; }

    // Reports regardless of the mask; callers test the mask first, as the controls do.
    void _Q_assert(const QString& sExpression, const QString& sSource, int nLine);
    void _Q_Trace(const QString& sText, const QString& sSource, int nLine);

    // Reports an exception that was caught and not shown otherwise.
    void Interface(const KVException& exception);

    // Replaces the sink; an empty sink restores the default (qWarning). Returns the old one.
    Sink SetSink(Sink sink);

private:
    ErrorHandler();
    void Emit(const Report& report);

    int m_nLevel;
    Sink m_sink;
};

// Convenience for platform code: checks the assertion bit, then reports the expression text.
#define KV_ASSERT(expr, source, line)                                                                        \
    do                                                                                                       \
    {                                                                                                        \
        if (ErrorHandler::Instance()->IsAssertOn() && !(expr))                                               \
            ErrorHandler::Instance()->_Q_assert(QStringLiteral(#expr), QStringLiteral(source), line);        \
    } while (0)
