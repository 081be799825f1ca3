#pragma once

#include <QString>

namespace Zorvan
{

// Hands out the pieces of a text between occurrences of a delimiter, one after the other.
// Adjacent delimiters give empty tokens ("a\n\nb" gives "a", "", "b"); a delimiter at the very
// end of the text ends it and starts no further token ("a\n" gives "a" alone), so a text that
// ends in a line break has no extra empty line. An empty text has no tokens; an empty
// delimiter makes the whole text one token.
class CTokenizer
{
public:
    CTokenizer(const QString& sText, const QString& sDelimiter);

    bool HasMoreTokens() const;
    // The next token; an empty string once the tokens have run out.
    QString NextToken();
    // How many tokens NextToken will still give.
    int CountTokens() const;

private:
    QString m_sText;
    QString m_sDelimiter;
    int m_nPos = 0; // start of the next token; past the end when done
};

} // namespace Zorvan
