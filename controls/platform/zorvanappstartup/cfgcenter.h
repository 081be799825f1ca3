#pragma once

#include <QString>

// Application-wide settings of the start-up library. The application name titles every
// message box the controls show.
class CfgCenter
{
public:
    // The name set with SetAppName; without one, the application object's name; without an
    // application object, an empty text.
    static QString GetAppName();
    // An empty name goes back to the application object's name.
    static void SetAppName(const QString& sName);

private:
    CfgCenter() = delete;
};
