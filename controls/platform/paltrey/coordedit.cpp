#include "paltrey/coordedit.h"

#include "kvbase/coord.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace basecontrols
{

CoordEdit::CoordEdit(QWidget* pParent, const char* pszName, double dLatitude, double dLongitude)
    : QWidget(pParent), m_pLatitudeEdit(new QLineEdit(this)), m_pLongitudeEdit(new QLineEdit(this)),
      m_hint(this, QStringLiteral("QLineEdit"))
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
    m_pLatitudeEdit->setObjectName(QStringLiteral("latitude"));
    m_pLongitudeEdit->setObjectName(QStringLiteral("longitude"));
    m_pLatitudeEdit->setPlaceholderText(tr("Latitude"));
    m_pLongitudeEdit->setPlaceholderText(tr("Longitude"));

    QHBoxLayout* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pLatitudeEdit);
    pLayout->addWidget(m_pLongitudeEdit);
    setFocusProxy(m_pLatitudeEdit);

    m_pLatitudeEdit->installEventFilter(this);
    m_pLongitudeEdit->installEventFilter(this);
    connect(m_pLatitudeEdit, SIGNAL(editingFinished()), this, SLOT(SlotLatitudeEdited()));
    connect(m_pLongitudeEdit, SIGNAL(editingFinished()), this, SLOT(SlotLongitudeEdited()));

    // Start positions that are no position are not taken: the editor starts at 0, 0.
    if (Coord::IsValidLatitude(dLatitude))
        m_dLatitude = dLatitude;
    if (Coord::IsValidLongitude(dLongitude))
        m_dLongitude = dLongitude;
    RefreshText();
}

CoordEdit::~CoordEdit() = default;

bool CoordEdit::SetFormat(int nFormat)
{
    if (nFormat != FORMAT_DECIMAL && nFormat != FORMAT_DMS && nFormat != FORMAT_DM)
        return false;
    m_nFormat = nFormat;
    RefreshText();
    return true;
}

bool CoordEdit::SetLatitude(double dLatitude)
{
    return SetCoord(dLatitude, m_dLongitude);
}

bool CoordEdit::SetLongitude(double dLongitude)
{
    return SetCoord(m_dLatitude, dLongitude);
}

bool CoordEdit::SetCoord(double dLatitude, double dLongitude)
{
    if (!Coord::IsValidLatitude(dLatitude) || !Coord::IsValidLongitude(dLongitude))
        return false;
    m_dLatitude = dLatitude;
    m_dLongitude = dLongitude;
    RefreshText();
    return true;
}

void CoordEdit::setReadOnly(bool bReadOnly)
{
    m_pLatitudeEdit->setReadOnly(bReadOnly);
    m_pLongitudeEdit->setReadOnly(bReadOnly);
}

bool CoordEdit::isReadOnly() const
{
    return m_pLatitudeEdit->isReadOnly();
}

void CoordEdit::ShowHint(const QString& sHint)
{
    m_hint.Show(sHint);
}

void CoordEdit::ClearHint()
{
    m_hint.Clear();
}

QString CoordEdit::FormatAngle(double dDegrees, bool bLatitude, int nFormat)
{
    return bLatitude ? Coord::LatitudeText(dDegrees, nFormat) : Coord::LongitudeText(dDegrees, nFormat);
}

bool CoordEdit::ParseAngle(const QString& sText, bool bLatitude, double* pDegrees, QString* pError)
{
    bool bOk = false;
    QString sError;
    const double dDegrees = bLatitude ? Coord::LatitudeFromText(sText, &bOk, &sError)
                                      : Coord::LongitudeFromText(sText, &bOk, &sError);
    if (bOk && pDegrees)
        *pDegrees = dDegrees;
    if (!bOk && pError)
        *pError = sError;
    return bOk;
}

void CoordEdit::SlotLatitudeEdited()
{
    TakeText(m_pLatitudeEdit, true);
}

void CoordEdit::SlotLongitudeEdited()
{
    TakeText(m_pLongitudeEdit, false);
}

bool CoordEdit::CoordEdited(double, double)
{
    return true;
}

void CoordEdit::RefreshText()
{
    m_hint.Clear();
    m_pLatitudeEdit->setText(FormatAngle(m_dLatitude, true, m_nFormat));
    m_pLongitudeEdit->setText(FormatAngle(m_dLongitude, false, m_nFormat));
}

bool CoordEdit::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if ((pObject == m_pLatitudeEdit || pObject == m_pLongitudeEdit) && pEvent->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape && m_hint.HasError())
    {
        RefreshText();
        return true;
    }
    return QWidget::eventFilter(pObject, pEvent);
}

bool CoordEdit::TakeText(QLineEdit* pEdit, bool bLatitude)
{
    if (pEdit->isReadOnly())
        return false;
    const double dOld = bLatitude ? m_dLatitude : m_dLongitude;
    // editingFinished comes on Return and again on leaving the field: the text as shown is no
    // edit (and a refused text that was not touched again needs no second refusal).
    if (pEdit->text() == FormatAngle(dOld, bLatitude, m_nFormat))
    {
        m_hint.Clear();
        return false;
    }
    double dDegrees = 0.0;
    QString sError;
    if (!ParseAngle(pEdit->text(), bLatitude, &dDegrees, &sError))
    {
        m_hint.Show(sError);
        return false;
    }
    const double dLatitude = bLatitude ? dDegrees : m_dLatitude;
    const double dLongitude = bLatitude ? m_dLongitude : dDegrees;
    if (dDegrees == dOld)
    {
        RefreshText(); // the same position written differently
        return false;
    }
    m_hint.Clear();
    if (!CoordEdited(dLatitude, dLongitude))
        return false;
    m_dLatitude = dLatitude;
    m_dLongitude = dLongitude;
    RefreshText();
    emit SignalCoordChanged(m_dLatitude, m_dLongitude);
    return true;
}

} // namespace basecontrols
