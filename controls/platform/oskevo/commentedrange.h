#pragma once

#include <QString>

namespace values
{

// A frequency range with a comment.
class CommentedRange
{
public:
    CommentedRange() = default;
    CommentedRange(double dStart, double dStop, const QString& sComment)
        : m_dStart(dStart), m_dStop(dStop), m_sComment(sComment)
    {
    }
    double GetRangeStart() const { return m_dStart; }
    double GetRangeStop() const { return m_dStop; }
    const QString& GetComment() const { return m_sComment; }

private:
    double m_dStart = 0.0;
    double m_dStop = 0.0;
    QString m_sComment;
};

} // namespace values
