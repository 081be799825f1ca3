#pragma once

// Shared by the job editing tests: a job dialog manager on a job node of its own in the
// process-wide tree, with the dialog's part played by the test, and a compact text of a
// frequency list: "s10-20 m1-5" is a suppress range 10..20 followed by a range to measure.

#include "dravinelcontrols/jobdialogmanager.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/names.h"
#include "kvbase/errorhandler.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"

#include <QRegularExpression>
#include <QStringList>
#include <functional>

namespace JobTest
{

using namespace DravinelDefinition;

inline values::ValueBase* Attr(values::Node* pFd, const values::ValueDescriptor& descriptor)
{
    return pFd->GetValue(descriptor.PathName().mid(1));
}

// A manager whose dialog is a function of the test: it may edit the job and answers the
// dialog's result. With m_bRealDialog the manager's own job dialog runs instead.
class Manager : public JobDialogManager
{
public:
    explicit Manager(values::IModifyObserver* pObserver = nullptr, const QString& sBase = NextBase())
        : JobDialogManager(pObserver, sBase + QStringLiteral("/JobRoot"), QStringLiteral("/Dev"),
                           DEVICETYPE_DF_RECEIVER),
          m_sBase(sBase)
    {
    }
    ~Manager() override
    {
        DeleteDialog();
        DeleteWatcher();
        if (values::Node* pBase = values::Tree::Instance()->GetNode(m_sBase))
            values::Tree::Instance()->GetRoot()->DeleteItem(pBase);
    }
    static QString NextBase()
    {
        static int s_nCounter = 0;
        return QStringLiteral("/JobTest%1").arg(++s_nCounter);
    }

    // Adds the definitions of a list text to the job (made with its control data if needed).
    void Build(const QString& sText)
    {
        if (!GetFds())
            InsertDcd();
        static const QRegularExpression s_re(QStringLiteral("([sm])([-\\d.e+]+)-([-\\d.e+]+)"));
        for (auto it = s_re.globalMatch(sText); it.hasNext();)
        {
            const auto match = it.next();
            InsertFd(match.captured(2).toDouble(), match.captured(3).toDouble(), match.captured(1) == "s");
        }
    }
    values::Node* GetFds() const
    {
        values::Node* pDcd = GetOffline()->GetChildNode(&g_vdNodeDcd);
        values::Node* pDcs = pDcd ? pDcd->GetChildNode(&g_vdNodeDcs) : nullptr;
        return pDcs ? pDcs->GetChildNode(&g_vdNodeFds) : nullptr;
    }
    QList<values::Node*> Fds() const
    {
        QList<values::Node*> list;
        if (values::Node* pFds = GetFds())
            for (values::TreeItem* pItem : pFds->GetTreeItems())
                list << pItem->AsNode();
        return list;
    }
    // The list in the text above.
    QString List() const
    {
        QStringList list;
        for (values::Node* pFd : Fds())
            list << QStringLiteral("%1%2-%3")
                        .arg(Attr(pFd, g_vdFSupp)->GetAsString() == "true" ? "s" : "m")
                        .arg(Attr(pFd, g_vdFStart)->GetNumber())
                        .arg(Attr(pFd, g_vdFStop)->GetNumber());
        return list.join(' ');
    }
    using JobDialogManager::InsertDcd;
    using JobDialogManager::InsertFd;

    std::function<int()> m_dialog;
    int m_nDialogsMade = 0;
    int m_nDialogsDeleted = 0;
    values::Node* m_pCurrentFd = nullptr;
    bool m_bRealDialog = false;

protected:
    bool CreateDialog(bool bFfm, bool bSearch, bool bScan) override
    {
        if (m_bRealDialog)
            return JobDialogManager::CreateDialog(bFfm, bSearch, bScan);
        if (m_bDialog)
            return false;
        m_bDialog = true;
        ++m_nDialogsMade;
        return true;
    }
    int ExecDialog(const QString& sCaption) override
    {
        if (m_bRealDialog)
            return JobDialogManager::ExecDialog(sCaption);
        return m_dialog ? m_dialog() : 0;
    }
    values::Node* GetDialogCurrentFd() override
    {
        return m_bRealDialog ? JobDialogManager::GetDialogCurrentFd() : m_pCurrentFd;
    }
    void DeleteDialog() override
    {
        JobDialogManager::DeleteDialog();
        m_nDialogsDeleted += m_bDialog ? 1 : 0;
        m_bDialog = false;
    }

private:
    QString m_sBase;
    bool m_bDialog = false;
};

} // namespace JobTest
