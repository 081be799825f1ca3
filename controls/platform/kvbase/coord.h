#pragma once

#include <QString>

// A geographic position in degrees: longitude east positive (-180..180), latitude north
// positive (-90..90). Texts put the latitude first, as maps and receivers show it.
//   format 0  signed decimal degrees     48.137000 11.575278
//   format 1  degrees, minutes, seconds  48°08'13.2"N 011°34'31.0"E
//   format 2  degrees, decimal minutes   48°08.220'N 011°34.517'E
// FromText reads all three forms back and is lenient in what editors let people type: a
// sign or a hemisphere letter before or after each part, a decimal point or comma, a blank,
// comma, semicolon or slash between the parts, the parts in either order when both carry
// their hemisphere letter.
class Coord
{
public:
    enum Format
    {
        FORMAT_DECIMAL = 0,
        FORMAT_DMS = 1,
        FORMAT_DM = 2,
    };

    Coord() = default;
    Coord(double dLongitude, double dLatitude) : m_dLongitude(dLongitude), m_dLatitude(dLatitude) {}

    double GetLongitude() const { return m_dLongitude; }
    double GetLatitude() const { return m_dLatitude; }
    void SetLongitude(double dLongitude) { m_dLongitude = dLongitude; }
    void SetLatitude(double dLatitude) { m_dLatitude = dLatitude; }

    // Both parts finite and within their ranges.
    bool IsValid() const;
    static bool IsValidLatitude(double dLatitude);
    static bool IsValidLongitude(double dLongitude);

    // The position in the given format (an unknown format gives format 0). A position that is
    // not valid is written as its two raw numbers in decimal degrees, so that the wrong value
    // stays visible and FromText refuses it.
    QString GetText(int nFormat = FORMAT_DMS) const;
    static QString LatitudeText(double dLatitude, int nFormat = FORMAT_DMS);
    static QString LongitudeText(double dLongitude, int nFormat = FORMAT_DMS);

    // Reads a position. On failure returns Coord(0, 0), sets *pbOk false and *psError to a
    // sentence saying what was wrong; nothing is clamped into range.
    static Coord FromText(const QString& sText, bool* pbOk = nullptr, QString* psError = nullptr);
    // Reads one part for editors with separate fields. A hemisphere letter of the other axis
    // ("E" for a latitude) is refused.
    static double LatitudeFromText(const QString& sText, bool* pbOk = nullptr, QString* psError = nullptr);
    static double LongitudeFromText(const QString& sText, bool* pbOk = nullptr, QString* psError = nullptr);

    bool operator==(const Coord& other) const
    {
        return m_dLongitude == other.m_dLongitude && m_dLatitude == other.m_dLatitude;
    }
    bool operator!=(const Coord& other) const { return !(*this == other); }

private:
    double m_dLongitude = 0.0;
    double m_dLatitude = 0.0;
};
