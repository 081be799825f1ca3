#pragma once

#include "oskevo/treeitem.h"

namespace values
{

// A typed leaf of the value tree with a state and a text form. Setting a text or number
// that cannot be taken (not a number, out of the descriptor's range, no such entry)
// changes nothing and answers false. A change sends CC_VALUE with the originator, who is
// not called back.
class ValueBase : public TreeItem
{
public:
    ~ValueBase() override;

    int GetState() const { return m_nState; }
    void SetState(int nState, IObserver* pOriginator = nullptr); // CC_STATE

    virtual QString GetAsString() const = 0;
    virtual bool SetAsString(const QString& sText, IObserver* pOriginator = nullptr) = 0;
    // Why the last SetAsString/SetNumber refused, for editors to show; empty after success.
    const QString& GetLastError() const { return m_sLastError; }

    virtual bool IsNumeric() const { return false; }
    virtual double GetNumber() const { return 0.0; }
    virtual bool SetNumber(double dNumber, IObserver* pOriginator = nullptr);

    // Back to the descriptor's default.
    virtual void Reset(IObserver* pOriginator = nullptr) = 0;

    std::string GetAsStdString() const override { return GetAsString().toStdString(); }
    bool SetAsStdString(const std::string& sText, IObserver* pOriginator) override
    {
        return SetAsString(QString::fromStdString(sText), pOriginator);
    }

protected:
    ValueBase(const QString& sName, const ValueDescriptor* pDescriptor);
    void AnnounceDeletion() override;
    void SetLastError(const QString& sError) { m_sLastError = sError; }

private:
    int m_nState = VS_NORMAL;
    QString m_sLastError;
};

} // namespace values
