#pragma once

#include <QString>

namespace REPORTGENERATOR
{

// A report object that is read from and written to an XML document.
class IRGObject
{
public:
    enum Flags
    {
        RG_FLAGS_NONE = 0x0,
        // Skip elements the object does not know instead of refusing the document.
        RG_IGNORE_UNKNOWN = 0x1,
    };

    virtual ~IRGObject() = default;

    // Replaces the object's content with the document. Throws RGException naming what was
    // wrong and where when the text is not accepted; the object is then left unchanged.
    virtual void SetXmlString(const QString& sText, int nFlags) = 0;
    // The object as a complete XML document that SetXmlString accepts.
    virtual QString GetXmlString() const = 0;
};

} // namespace REPORTGENERATOR
