#pragma once

#include <QString>
#include <exception>
#include <string>

// The one exception type of the platform: a message with the function, source and detail
// it concerns, and two numbers (the line, or a position in a document, and an error code).
class KVException : public std::exception
{
public:
    KVException(const QString& sMessage, const QString& sFunction = QString(),
                const QString& sSource = QString(), const QString& sDetail = QString(), int nLine = 0,
                int nCode = 0);

    const QString& GetMessage() const { return m_sMessage; }
    const QString& GetFunction() const { return m_sFunction; }
    const QString& GetSource() const { return m_sSource; }
    const QString& GetDetail() const { return m_sDetail; }
    int GetLine() const { return m_nLine; }
    int GetCode() const { return m_nCode; }

    // The message followed by whatever of function, source, line and detail is known.
    QString GetText() const;
    const char* what() const noexcept override;

private:
    QString m_sMessage;
    QString m_sFunction;
    QString m_sSource;
    QString m_sDetail;
    int m_nLine;
    int m_nCode;
    std::string m_sWhat;
};
