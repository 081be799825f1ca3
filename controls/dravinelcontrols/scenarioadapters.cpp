#include "dravinelcontrols/scenarioadapters.h"

#include "dravineldefinition/descriptors.h"
#include "kvbase/errorhandler.h"
#include "oskevo/node.h"

namespace DravinelDefinition
{

namespace
{

values::ValueNumeric<double>* DoubleChild(values::Node* pNode, const values::ValueDescriptor& descriptor,
                                          const char* pszName, int nLine)
{
    auto* pValue =
        pNode ? dynamic_cast<values::ValueNumeric<double>*>(pNode->GetChildValue(&descriptor)) : nullptr;
    if (!pValue && ErrorHandler::Instance()->IsTraceOn())
        ErrorHandler::Instance()->_Q_Trace(
            QStringLiteral("_GETVALUE ") + QLatin1String(pszName) + QStringLiteral(" failed - ignored"),
            QStringLiteral("controls/dravinelcontrols/scenarioadapters"), nLine);
    return pValue;
}

} // namespace

values::ValueNumeric<double>* LocationAdapter::LocLatitude() const
{
    return DoubleChild(m_pNode, g_vdMovListLatitude, "LocLatitude", 36);
}

values::ValueNumeric<double>* LocationAdapter::LocLongitude() const
{
    return DoubleChild(m_pNode, g_vdMovListLongitude, "LocLongitude", 37);
}

} // namespace DravinelDefinition
