#include "zorvanappstartup/cfgcenter.h"

#include <QCoreApplication>
#include <QtTest>

// The title of every message box: the name the host set, else the application's name.
class TstCfgCenter : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        CfgCenter::SetAppName(QString());
        QCoreApplication::setApplicationName(QString());
    }

    void appName_data()
    {
        QTest::addColumn<QString>("applicationName");
        QTest::addColumn<QString>("override");
        QTest::addColumn<QString>("expected");
        QTest::newRow("application's name") << "Dravinel Studio"
                                            << ""
                                            << "Dravinel Studio";
        QTest::newRow("set name wins") << "dravinel-studio"
                                       << "Radio Monitoring"
                                       << "Radio Monitoring";
    }
    void appName()
    {
        QFETCH(QString, applicationName);
        QFETCH(QString, override);
        QFETCH(QString, expected);
        QCoreApplication::setApplicationName(applicationName);
        CfgCenter::SetAppName(override);
        QCOMPARE(CfgCenter::GetAppName(), expected);
    }

    void clearingTheNameFollowsTheApplicationAgain()
    {
        CfgCenter::SetAppName(QStringLiteral("Radio Monitoring"));
        QCoreApplication::setApplicationName(QStringLiteral("Job Editor"));
        QCOMPARE(CfgCenter::GetAppName(), QStringLiteral("Radio Monitoring"));
        CfgCenter::SetAppName(QString());
        QCOMPARE(CfgCenter::GetAppName(), QStringLiteral("Job Editor"));
        QCoreApplication::setApplicationName(QStringLiteral("Job Panel"));
        QCOMPARE(CfgCenter::GetAppName(), QStringLiteral("Job Panel"));
    }
};

QTEST_GUILESS_MAIN(TstCfgCenter)
#include "tst_cfgcenter.moc"
