#include "tolveth/tooltip.h"

#include "oskevo/valuedescriptor.h"

#include <QStringList>
#include <climits>
#include <cmath>

namespace
{

// Descriptors without a range keep the factory defaults; those bounds say "no limit".
bool IsLowerBound(const values::ValueDescriptor* pDescriptor)
{
    if (pDescriptor->GetKind() == values::ValueDescriptor::KIND_INT)
        return pDescriptor->Minimum() > double(INT_MIN);
    return std::isfinite(pDescriptor->Minimum()) && pDescriptor->Minimum() > -1e299;
}

bool IsUpperBound(const values::ValueDescriptor* pDescriptor)
{
    if (pDescriptor->GetKind() == values::ValueDescriptor::KIND_INT)
        return pDescriptor->Maximum() < double(INT_MAX);
    return std::isfinite(pDescriptor->Maximum()) && pDescriptor->Maximum() < 1e299;
}

} // namespace

QString Tooltip::FormatNumber(double dNumber, const values::ValueDescriptor* pDescriptor)
{
    const double dScale = std::pow(1000.0, pDescriptor->Basis());
    QString sText = QString::number(dNumber / dScale, 'g', 12);
    if (!pDescriptor->Unit().isEmpty())
        sText +=
            QLatin1Char(' ') + values::ValueDescriptor::Basis(pDescriptor->Basis()) + pDescriptor->Unit();
    return sText;
}

QString Tooltip::Retrieve(const values::ValueDescriptor* pDescriptor)
{
    if (!pDescriptor)
        return QString();
    if (!pDescriptor->Tip().isEmpty())
        return pDescriptor->Tip();

    QString sHead = pDescriptor->Name();
    if (!pDescriptor->Unit().isEmpty())
        sHead += QStringLiteral(" [") + values::ValueDescriptor::Basis(pDescriptor->Basis()) +
                 pDescriptor->Unit() + QLatin1Char(']');
    QStringList lstLines(sHead);

    switch (pDescriptor->GetKind())
    {
    case values::ValueDescriptor::KIND_INT:
    case values::ValueDescriptor::KIND_DOUBLE:
    {
        const bool bLower = IsLowerBound(pDescriptor);
        const bool bUpper = IsUpperBound(pDescriptor);
        if (bLower && bUpper)
            lstLines << QStringLiteral("Range: %1 to %2")
                            .arg(FormatNumber(pDescriptor->Minimum(), pDescriptor),
                                 FormatNumber(pDescriptor->Maximum(), pDescriptor));
        else if (bLower)
            lstLines
                << QStringLiteral("Range: from %1").arg(FormatNumber(pDescriptor->Minimum(), pDescriptor));
        else if (bUpper)
            lstLines
                << QStringLiteral("Range: up to %1").arg(FormatNumber(pDescriptor->Maximum(), pDescriptor));
        break;
    }
    case values::ValueDescriptor::KIND_SELECTION:
    {
        const std::vector<values::SelectionItem>& vecItems = pDescriptor->SelectionItems();
        if (vecItems.empty())
            break;
        QStringList lstChoices;
        for (size_t i = 0; i < vecItems.size() && int(i) < s_nMaxChoices; ++i)
            lstChoices << vecItems[i].GetName();
        QString sChoices = QStringLiteral("Choices: ") + lstChoices.join(QStringLiteral(", "));
        if (int(vecItems.size()) > s_nMaxChoices)
            sChoices += QStringLiteral(" and %1 more").arg(int(vecItems.size()) - s_nMaxChoices);
        lstLines << sChoices;
        break;
    }
    case values::ValueDescriptor::KIND_BOOL:
        lstLines << QStringLiteral("YES or NO");
        break;
    default:
        break;
    }
    return lstLines.join(QLatin1Char('\n'));
}
