// The bare Qt passes the file benchmarks compare against: the elements of a document, and a
// QXmlStreamWriter and a QXmlStreamReader pass over them that do only what a reader or writer
// of a value tree has to.

#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <vector>

namespace BenchBareXml
{

// The document's elements as a bare writer gets them: name, attributes and text.
struct Element
{
    int nDepth;
    QString sName;
    QXmlStreamAttributes attributes;
    QString sText;
};

inline std::vector<Element> Elements(const QString& sText)
{
    std::vector<Element> vecElements;
    QXmlStreamReader reader(sText);
    int nDepth = 0;
    while (!reader.atEnd())
    {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            vecElements.push_back({nDepth++, reader.name().toString(), reader.attributes(), QString()});
        else if (token == QXmlStreamReader::EndElement)
            --nDepth;
        else if (reader.isCharacters() && !reader.isWhitespace() && !vecElements.empty())
            vecElements.back().sText = reader.text().toString();
    }
    return vecElements;
}

// A bare QXmlStreamWriter pass writing the same elements to a file.
inline void WriteBare(const std::vector<Element>& vecElements, const QString& sFileName)
{
    QSaveFile file(sFileName);
    file.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    int nOpen = 0;
    for (const Element& element : vecElements)
    {
        for (; nOpen > element.nDepth; --nOpen)
            writer.writeEndElement();
        writer.writeStartElement(element.sName);
        writer.writeAttributes(element.attributes);
        if (!element.sText.isEmpty())
            writer.writeCharacters(element.sText);
        ++nOpen;
    }
    writer.writeEndDocument();
    file.commit();
}

// A bare QXmlStreamReader pass over the file, keeping each element's name, attributes and
// text as the reader of a value tree has to.
inline long ReadBare(const QString& sFileName)
{
    QFile file(sFileName);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&file);
    long nKept = 0;
    QString sKept;
    while (!reader.atEnd())
    {
        if (reader.readNext() == QXmlStreamReader::StartElement)
        {
            sKept = reader.name().toString();
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                sKept = attribute.value().toString();
            ++nKept;
        }
        else if (reader.isCharacters() && !reader.isWhitespace())
            sKept = reader.text().toString();
    }
    return nKept + (reader.hasError() ? -1 : 0) + (sKept.isEmpty() ? 0 : 1);
}

} // namespace BenchBareXml
