#include "zorvanappstartup/cfgcenter.h"

#include <QCoreApplication>

namespace
{

QString& AppNameOverride()
{
    static QString s_sName;
    return s_sName;
}

} // namespace

QString CfgCenter::GetAppName()
{
    if (!AppNameOverride().isEmpty())
        return AppNameOverride();
    return QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
}

void CfgCenter::SetAppName(const QString& sName)
{
    AppNameOverride() = sName;
}
