#pragma once

#include "paltrey/inputhint.h"

#include <QWidget>

class QLineEdit;
class QLabel;

namespace basecontrols
{

// Edits a geographic position as latitude and longitude, each in its own line (object names
// "latitude" and "longitude"). The text is shown in the chosen format and read back in any of
// them (the forms of Coord):
//   FORMAT_DECIMAL (0)  decimal degrees, north and east positive: "48.137000", "-11.575278"
//   FORMAT_DMS (1)      degrees, minutes, seconds with hemisphere: 48°08'13.2"N 011°34'31.0"E
//   FORMAT_DM (2)       degrees and decimal minutes with hemisphere: 48°08.220'N
// A text that is no angle or lies outside ±90 (latitude) / ±180 (longitude) is refused with a
// visible hint (red frame, tool tip, GetHint) and the position stays as it was. The signal
// SignalCoordChanged is sent only when the operator changed the position, never for
// programmatic changes. A refused text stays in its line so that it can be corrected; Escape
// puts the position back.
class CoordEdit : public QWidget
{
    Q_OBJECT

public:
    enum Format
    {
        FORMAT_DECIMAL = 0,
        FORMAT_DMS = 1,
        FORMAT_DM = 2,
    };

    CoordEdit(QWidget* pParent = nullptr, const char* pszName = nullptr, double dLatitude = 0.0,
              double dLongitude = 0.0);
    ~CoordEdit() override;

    // An unknown format is ignored (false).
    bool SetFormat(int nFormat);
    int GetFormat() const { return m_nFormat; }

    double GetLatitude() const { return m_dLatitude; }
    double GetLongitude() const { return m_dLongitude; }
    // Programmatic changes: out-of-range or non-finite numbers are refused (false, nothing changes).
    bool SetLatitude(double dLatitude);
    bool SetLongitude(double dLongitude);
    bool SetCoord(double dLatitude, double dLongitude);

    void setReadOnly(bool bReadOnly);
    bool isReadOnly() const;

    bool HasError() const { return m_hint.HasError(); }
    const QString& GetHint() const { return m_hint.GetHint(); }
    // Lets a derived editor report a refusal of its own (e.g. its value would not take it).
    void ShowHint(const QString& sHint);
    void ClearHint();

    QLineEdit* GetLatitudeEdit() const { return m_pLatitudeEdit; }
    QLineEdit* GetLongitudeEdit() const { return m_pLongitudeEdit; }

    // Text of one angle in a format; bLatitude chooses N/S or E/W and the degree width.
    static QString FormatAngle(double dDegrees, bool bLatitude, int nFormat);
    // Reads an angle in any of the formats (blanks allowed, decimal comma or point, a sign or a
    // hemisphere letter but not both, minutes and seconds below 60). On failure returns false
    // and puts the reason into *pError when given.
    static bool ParseAngle(const QString& sText, bool bLatitude, double* pDegrees, QString* pError = nullptr);

signals:
    void SignalCoordChanged(double dLatitude, double dLongitude);

protected slots:
    void SlotLatitudeEdited();
    void SlotLongitudeEdited();

protected:
    // Called when the operator changed the position, before it is taken and signalled; a
    // derived editor writes its values here. Answering false refuses the edit (the derived
    // editor shows why with ShowHint) and the position stays.
    virtual bool CoordEdited(double dLatitude, double dLongitude);
    void RefreshText();
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    bool TakeText(QLineEdit* pEdit, bool bLatitude);

    QLineEdit* m_pLatitudeEdit;
    QLineEdit* m_pLongitudeEdit;
    InputHint m_hint;
    int m_nFormat = FORMAT_DECIMAL;
    double m_dLatitude = 0.0;
    double m_dLongitude = 0.0;
};

} // namespace basecontrols
