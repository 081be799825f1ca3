#pragma once

#include "kvbase/observable.h"
#include "paltrey/coordedit.h"

namespace values
{
class ValueBase;
}

// The coordinate editor bound to a latitude value and a longitude value (floating-point
// degrees), each found by its absolute path in the process-wide tree. It shows both values
// and follows them when they change elsewhere; an operator edit writes both (the editor as
// originator). A value that is deleted is let go of; without both values the editor is
// read-only.
class VCCoordEdit : public basecontrols::CoordEdit, public IObserver
{
    Q_OBJECT

public:
    VCCoordEdit(QWidget* pParent, const char* pszName, double dLatitude = 0.0, double dLongitude = 0.0);
    ~VCCoordEdit() override;

    // A path that names no value leaves that half unbound (false) with a hint.
    bool SetLatitude_ValuePath(const QString& sPath);
    bool SetLongitude_ValuePath(const QString& sPath);
    void SetLatitudeValue(values::ValueBase* pValue);
    void SetLongitudeValue(values::ValueBase* pValue);
    values::ValueBase* GetLatitudeValue() const { return m_pLatitude; }
    values::ValueBase* GetLongitudeValue() const { return m_pLongitude; }

    void Update(Observable* pObservable, TChangeCode code) override;

protected:
    bool CoordEdited(double dLatitude, double dLongitude) override;

private:
    void BindHalf(values::ValueBase*& rpField, values::ValueBase* pValue);
    void ShowValues();

    values::ValueBase* m_pLatitude = nullptr;
    values::ValueBase* m_pLongitude = nullptr;
};
