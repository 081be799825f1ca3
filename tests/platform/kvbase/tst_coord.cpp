#include "kvbase/coord.h"

#include <QtTest>

#include <cmath>
#include <limits>

// Coordinates as the scenario tables show them and as the coordinate editor reads them back.
class TstCoord : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        const QString d = QString(QChar(0x00B0));
        QTest::newRow("Munich DMS") << 11.575278 << 48.137 << 1
                                    << "48" + d + "08'13.2\"N 011" + d + "34'31.0\"E";
        QTest::newRow("Munich decimal") << 11.575278 << 48.137 << 0 << "48.137000 11.575278";
        QTest::newRow("Munich DM") << 11.575278 << 48.137 << 2 << "48" + d + "08.220'N 011" + d + "34.517'E";
        QTest::newRow("Sydney DMS") << 151.2093 << -33.8688 << 1
                                    << "33" + d + "52'07.7\"S 151" + d + "12'33.5\"E";
        QTest::newRow("Sydney decimal") << 151.2093 << -33.8688 << 0 << "-33.868800 151.209300";
        QTest::newRow("Rio west") << -43.1729 << -22.9068 << 1
                                  << "22" + d + "54'24.5\"S 043" + d + "10'22.4\"W";
        QTest::newRow("origin") << 0.0 << 0.0 << 1 << "00" + d + "00'00.0\"N 000" + d + "00'00.0\"E";
        // Rounding must carry into minutes and degrees instead of writing 60 seconds.
        QTest::newRow("carry seconds")
            << 10.999999 << 47.99999 << 1 << "48" + d + "00'00.0\"N 011" + d + "00'00.0\"E";
        QTest::newRow("carry DM") << 0.99999999 << 0.0 << 2 << "00" + d + "00.000'N 001" + d + "00.000'E";
        // A value that rounds to zero has no southern or western sign.
        QTest::newRow("tiny negative")
            << -1e-9 << -1e-9 << 1 << "00" + d + "00'00.0\"N 000" + d + "00'00.0\"E";
        QTest::newRow("poles and date line")
            << -180.0 << 90.0 << 1 << "90" + d + "00'00.0\"N 180" + d + "00'00.0\"W";
        QTest::newRow("south pole") << 180.0 << -90.0 << 1 << "90" + d + "00'00.0\"S 180" + d + "00'00.0\"E";
        // Invalid positions keep their raw numbers visible in every format.
        QTest::newRow("latitude out of range") << 10.0 << 91.0 << 1 << "91.000000 10.000000";
        QTest::newRow("longitude out of range") << -181.5 << 0.0 << 2 << "0.000000 -181.500000";
        QTest::newRow("unknown format") << 11.575278 << 48.137 << 7 << "48.137000 11.575278";
    }
    void text()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(int, format);
        QTEST(Coord(longitude, latitude).GetText(format), "expected");
    }

    void nonFiniteIsShownNotCrashed()
    {
        const double dNan = std::numeric_limits<double>::quiet_NaN();
        const double dInf = std::numeric_limits<double>::infinity();
        QVERIFY(!Coord(dNan, 0.0).IsValid());
        QVERIFY(!Coord(0.0, dInf).IsValid());
        QVERIFY(Coord(dNan, 0.0).GetText(1).contains(QLatin1String("nan"), Qt::CaseInsensitive));
        QVERIFY(Coord(0.0, dInf).GetText(1).contains(QLatin1String("inf"), Qt::CaseInsensitive));
        QVERIFY(Coord(1e300, 1e300).GetText(1).startsWith(QLatin1String("1000")));
    }

    void roundTrip_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        const double aPositions[][2] = {{11.575278, 48.137},    {151.2093, -33.8688}, {-43.1729, -22.9068},
                                        {-179.99999, 89.99999}, {180.0, -90.0},       {0.0, 0.0},
                                        {-0.0001, 0.0001},      {7.25, 51.5}};
        for (const auto& p : aPositions)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(p[0]).arg(p[1]))) << p[0] << p[1];
    }
    void roundTrip()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        // The tolerance of each format is half its last digit.
        const double adTolerance[] = {0.5e-6, 0.05 / 3600.0, 0.0005 / 60.0};
        for (int nFormat = 0; nFormat < 3; ++nFormat)
        {
            const QString sText = Coord(longitude, latitude).GetText(nFormat);
            bool bOk = false;
            QString sError;
            const Coord back = Coord::FromText(sText, &bOk, &sError);
            QVERIFY2(bOk, qPrintable(sText + QLatin1String(": ") + sError));
            QVERIFY2(std::fabs(back.GetLatitude() - latitude) <= adTolerance[nFormat] + 1e-12,
                     qPrintable(sText));
            QVERIFY2(std::fabs(back.GetLongitude() - longitude) <= adTolerance[nFormat] + 1e-12,
                     qPrintable(sText));
        }
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        const QString d = QString(QChar(0x00B0));
        QTest::newRow("decimal blank") << "48.137 11.575" << 48.137 << 11.575;
        QTest::newRow("decimal comma and blank") << "48,137 11,575" << 48.137 << 11.575;
        QTest::newRow("comma separated") << "48.137, 11.575" << 48.137 << 11.575;
        QTest::newRow("comma without blank") << "48.5,11.5" << 48.5 << 11.5;
        QTest::newRow("whole numbers, comma") << "48,11" << 48.0 << 11.0;
        QTest::newRow("semicolon") << "48.137;11.575" << 48.137 << 11.575;
        QTest::newRow("slash") << " 48.137 / 11.575 " << 48.137 << 11.575;
        QTest::newRow("signed") << "-33.8688 -151.2093" << -33.8688 << -151.2093;
        QTest::newRow("plus sign") << "+10 +20" << 10.0 << 20.0;
        QTest::newRow("letters after") << "33.8688S 151.2093E" << -33.8688 << 151.2093;
        QTest::newRow("letters before") << "S33.8688 W151.2093" << -33.8688 << -151.2093;
        QTest::newRow("letters with blanks") << "N 48.5 E 11.5" << 48.5 << 11.5;
        QTest::newRow("lower-case letters") << "48.5n 11.5w" << 48.5 << -11.5;
        QTest::newRow("longitude first by letters") << "11.5E 48.5N" << 48.5 << 11.5;
        QTest::newRow("one letter decides") << "11.5W 48.5" << 48.5 << -11.5;
        QTest::newRow("DMS") << "48" + d + "08'13.2\"N 011" + d + "34'31.0\"E" << 48.137 << 11.575278;
        QTest::newRow("DMS typographic marks")
            << QString::fromUtf8("48\xc2\xb0 08\xe2\x80\xb2 13.2\xe2\x80\xb3 N, "
                                 "11\xc2\xb0 34\xe2\x80\xb2 31\xe2\x80\xb3 E")
            << 48.137 << 11.5752778;
        QTest::newRow("DMS two apostrophes")
            << "48" + d + "08'13.2''N 11" + d + "34'31''E" << 48.137 << 11.5752778;
        QTest::newRow("DM") << "48" + d + "8.22'N 11" + d + "34.517'E" << 48.137 << 11.5752833;
        QTest::newRow("DMS decimal comma")
            << "48" + d + "08'13,2\"N 11" + d + "34'31\"E" << 48.137 << 11.5752778;
        QTest::newRow("degrees sign only") << "48" + d + "N 11" + d + "E" << 48.0 << 11.0;
        QTest::newRow("limits") << "-90 180" << -90.0 << 180.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        bool bOk = false;
        QString sError;
        const Coord c = Coord::FromText(text, &bOk, &sError);
        QVERIFY2(bOk, qPrintable(sError));
        QVERIFY(sError.isEmpty());
        QVERIFY2(std::fabs(c.GetLatitude() - latitude) < 1e-6,
                 qPrintable(QString::number(c.GetLatitude(), 'f', 8)));
        QVERIFY2(std::fabs(c.GetLongitude() - longitude) < 1e-6,
                 qPrintable(QString::number(c.GetLongitude(), 'f', 8)));
    }

    void parseRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("errorPart");
        const QString d = QString(QChar(0x00B0));
        QTest::newRow("empty") << ""
                               << "No position";
        QTest::newRow("blanks") << "   "
                                << "No position";
        QTest::newRow("words") << "Munich"
                               << "Not a position";
        QTest::newRow("one number") << "48.137"
                                    << "Not a position";
        QTest::newRow("three numbers") << "48 11 5"
                                       << "Not a position";
        QTest::newRow("latitude beyond pole") << "90.5 10"
                                              << "Latitude";
        QTest::newRow("southern beyond pole") << "91S 10E"
                                              << "Latitude";
        QTest::newRow("longitude beyond date line") << "10 180.01"
                                                    << "Longitude";
        QTest::newRow("sixty minutes") << "48" + d + "60'00\"N 11E"
                                       << "below 60";
        QTest::newRow("sixty seconds") << "48" + d + "10'60\"N 11E"
                                       << "below 60";
        QTest::newRow("two latitudes") << "48N 11S"
                                       << "Two latitudes";
        QTest::newRow("two longitudes") << "48E 11W"
                                        << "Two longitudes";
        QTest::newRow("sign and letter") << "-48N 11E"
                                         << "sign";
        QTest::newRow("decimal degrees then minutes") << "48.5" + d + "30'N 11E"
                                                      << "Degrees with decimals";
        QTest::newRow("decimal minutes then seconds") << "48" + d + "30.5'10\"N 11E"
                                                      << "Minutes with decimals";
        QTest::newRow("seconds without minutes") << "48" + d + "10\"N 11E"
                                                 << "Seconds need minutes";
        QTest::newRow("trailing garbage") << "48 11 x"
                                          << "Not a position";
        QTest::newRow("very long") << QString(5000, QLatin1Char('1')) + " 2"
                                   << "too long";
    }
    void parseRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, errorPart);
        bool bOk = true;
        QString sError;
        const Coord c = Coord::FromText(text, &bOk, &sError);
        QVERIFY(!bOk);
        QVERIFY2(sError.contains(errorPart), qPrintable(sError));
        QCOMPARE(c, Coord()); // nothing half-read, nothing clamped
    }

    void singleParts_data()
    {
        QTest::addColumn<bool>("latitude");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        const QString d = QString(QChar(0x00B0));
        QTest::newRow("lat DMS") << true << "48" + d + "08'13.2\"N" << true << 48.137;
        QTest::newRow("lat south") << true << "12.5 S" << true << -12.5;
        QTest::newRow("lat signed") << true << "-12.5" << true << -12.5;
        QTest::newRow("lat with E refused") << true << "12.5E" << false << 0.0;
        QTest::newRow("lat out of range") << true << "90.0001" << false << 0.0;
        QTest::newRow("lon DMS west") << false << "011" + d + "34'31.0\"W" << true << -11.5752778;
        QTest::newRow("lon 180") << false << "180" << true << 180.0;
        QTest::newRow("lon with N refused") << false << "N12" << false << 0.0;
        QTest::newRow("lon out of range") << false << "-200" << false << 0.0;
        QTest::newRow("lon two numbers") << false << "12 13" << false << 0.0;
        QTest::newRow("lon empty") << false << "" << false << 0.0;
    }
    void singleParts()
    {
        QFETCH(bool, latitude);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        bool bOk = !ok;
        QString sError;
        const double dValue = latitude ? Coord::LatitudeFromText(text, &bOk, &sError)
                                       : Coord::LongitudeFromText(text, &bOk, &sError);
        QCOMPARE(bOk, ok);
        QCOMPARE(sError.isEmpty(), ok);
        QVERIFY2(std::fabs(dValue - value) < 1e-6, qPrintable(QString::number(dValue, 'f', 8)));
    }

    void singlePartTextMatchesWholeText()
    {
        // An editor with two fields shows the same texts as the table cell.
        const Coord c(-43.1729, -22.9068);
        for (int nFormat = 0; nFormat < 3; ++nFormat)
            QCOMPARE(Coord::LatitudeText(c.GetLatitude(), nFormat) + ' ' +
                         Coord::LongitudeText(c.GetLongitude(), nFormat),
                     c.GetText(nFormat));
    }
};

QTEST_GUILESS_MAIN(TstCoord)
#include "tst_coord.moc"
