#pragma once

#include "dravinelcontrols/parameterview.h"
#include "dravinelcontrols/parameterviewctrl.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/imodified.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"
#include "paltrey/resortpopupmenu.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliastable.h"
#include "tolveth/newchilddialog.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

// Helpers for tests of the parameter editor and the views that hold it: a device tree made
// through the rules of the current device definition, display names, a host that records
// modifications, and operator actions on the tab bar, the context menu and the new-group
// dialog.
namespace ParameterEditorTools
{

// Display names of the node types the tests meet.
class Aliases : public AliasTable
{
public:
    Aliases()
    {
        Add(QStringLiteral("Det"), QStringLiteral("Detection"));
        Add(QStringLiteral("DfSearch"), QStringLiteral("DF Search"));
        Add(QStringLiteral("If"), QStringLiteral("IF"));
        Add(QStringLiteral("Demod"), QStringLiteral("Demodulation"));
        Add(QStringLiteral("Par"), QStringLiteral("Parameter"));
        Add(QStringLiteral("SimGeneral"), QStringLiteral("General"));
        Add(QStringLiteral("Fd"), QStringLiteral("Frequency Definition"));
    }
};

// A map holding the one table, as a host installs it.
class AliasSetup
{
public:
    AliasSetup() { m_map.AddTable(&m_table); }
    ~AliasSetup() { m_map.RemoveTable(&m_table); }
    IAliasMap* Map() { return &m_map; }

private:
    Aliases m_table;
    AliasMap m_map;
};

// The host's modification observer.
class HostObserver : public values::IModifyObserver
{
public:
    void NotifyModified(bool bModified) override { m_listCalls.append(bModified); }
    bool WasToldModified() const { return m_listCalls.contains(true); }
    void Reset() { m_listCalls.clear(); }
    QList<bool> m_listCalls;
};

inline values::IDynamicRules* Rules(const values::ValueDescriptor* pDescriptor)
{
    return DravinelDefinition::DeviceDefinitionCenter::Instance()
        ->GetDeviceDefinition(-1)
        ->GetRulesMap()
        .Find(pDescriptor);
}

// A root node of its own in the process-wide tree with one device made by the rules (with its
// parameter set of all receiver groups and its job). Deleted with its subtree at the end.
class DeviceTree
{
public:
    DeviceTree()
    {
        static int s_nCount = 0;
        m_pRoot = new values::Node(QStringLiteral("TstParRoot%1").arg(++s_nCount),
                                   &DravinelDefinition::g_vdNodeRoot);
        values::Tree::Instance()->GetRoot()->AddItem(m_pRoot);
        m_spRootAlive = m_pRoot->GetAliveFlag();
        m_pDevice = Rules(&DravinelDefinition::g_vdNodeRoot)
                        ->CreateChild(m_pRoot, &DravinelDefinition::g_vdNodeDev, nullptr);
    }
    ~DeviceTree()
    {
        if (*m_spRootAlive && m_pRoot->GetParentNode())
            m_pRoot->GetParentNode()->DeleteItem(m_pRoot);
    }
    DeviceTree(const DeviceTree&) = delete;
    DeviceTree& operator=(const DeviceTree&) = delete;

    values::Node* Root() const { return m_pRoot; }
    values::Node* Device() const { return m_pDevice; }
    values::Node* Par() const { return m_pDevice->GetChildNode(&DravinelDefinition::g_vdNodePar); }
    values::Node* Dcd() const { return m_pDevice->GetChildNode(&DravinelDefinition::g_vdNodeDcd); }

private:
    values::Node* m_pRoot;
    values::Node* m_pDevice;
    std::shared_ptr<const bool> m_spRootAlive; // a test may delete the root itself
};

inline const values::ValueDescriptor* GroupDescriptor(const QString& sName)
{
    return values::ValueDescriptor::Find(sName);
}

// Gives a parameter set exactly the named groups ("Det If"), made through the rules in that
// order; "-" removes the set from its owner.
inline void SetGroups(values::Node* pOwner, const QString& sGroups)
{
    values::Node* pSet = pOwner->GetChildNode(&DravinelDefinition::g_vdNodePar);
    if (sGroups == QLatin1String("-"))
    {
        if (pSet)
            pOwner->DeleteItem(pSet);
        return;
    }
    if (!pSet)
        pSet = Rules(pOwner->GetValueDescriptor())
                   ->CreateChild(pOwner, &DravinelDefinition::g_vdNodePar, nullptr);
    pSet->DeleteChildren();
    for (const QString& sName : sGroups.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        Rules(&DravinelDefinition::g_vdNodePar)->CreateChild(pSet, GroupDescriptor(sName), nullptr);
}

// The detection threshold of a group node, or NaN when it has none.
inline double Threshold(values::Node* pGroup)
{
    values::ValueBase* pValue = pGroup ? pGroup->GetChildValue(&DravinelDefinition::g_vdThreshold) : nullptr;
    return pValue ? pValue->GetNumber() : qQNaN();
}

inline void SetThreshold(values::Node* pGroup, double dValue)
{
    pGroup->GetChildValue(&DravinelDefinition::g_vdThreshold)->SetNumber(dValue);
}

// A display area with a layout, holding the view as a host does.
class Editor
{
public:
    explicit Editor(IAliasMap* pAliasMap = nullptr, bool bWithParent = true)
    {
        if (bWithParent)
        {
            m_pHost = new QWidget;
            new QVBoxLayout(m_pHost);
            m_pView = new ParameterView(m_pHost, QStringLiteral("ParameterView"));
            m_pHost->resize(700, 420);
        }
        else
        {
            m_pView = new ParameterView(nullptr, QStringLiteral("ParameterView"));
            m_pView->resize(700, 420);
        }
        m_pView->SetAliasMap(pAliasMap);
    }
    ~Editor()
    {
        if (m_pHost)
            delete m_pHost;
        else
            delete m_pView;
    }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Shows the host window and waits until it is on screen.
    bool Show()
    {
        QWidget* pWindow = m_pHost ? m_pHost : static_cast<QWidget*>(m_pView);
        pWindow->show();
        return QTest::qWaitForWindowExposed(pWindow);
    }

    ParameterView* View() const { return m_pView; }
    ParameterViewCtrl* Ctrl() const { return m_pView->GetCtrl(); }
    QWidget* Host() const { return m_pHost; }

private:
    QWidget* m_pHost = nullptr;
    ParameterView* m_pView = nullptr;
};

inline QStringList TabTexts(QTabWidget* pTabs)
{
    QStringList list;
    for (int n = 0; n < pTabs->count(); ++n)
        list << pTabs->tabText(n);
    return list;
}

// A point of the tab bar: the middle of tab nTab, or with -1 a point beside the last tab
// (the bar is widened first, as a stretching style shows it).
inline QPoint TabBarPoint(QTabWidget* pTabs, int nTab)
{
    QTabBar* pBar = pTabs->tabBar();
    if (nTab >= 0)
        return pBar->tabRect(nTab).center();
    const int nHeight = qMax(pBar->height(), 24);
    pBar->setExpanding(false);
    pBar->resize(pTabs->width(), nHeight);
    return QPoint(pBar->width() - 4, nHeight / 2);
}

inline void RightClickTabBar(QTabWidget* pTabs, int nTab)
{
    const QPoint pos = TabBarPoint(pTabs, nTab);
    QTest::mousePress(pTabs->tabBar(), Qt::RightButton, Qt::NoModifier, pos);
    QTest::mouseRelease(pTabs->tabBar(), Qt::RightButton, Qt::NoModifier, pos);
}

inline QAction* MenuAction(QMenu* pMenu, const QString& sText)
{
    for (QAction* pAction : pMenu->actions())
        if (pAction->text() == sText)
            return pAction;
    return nullptr;
}

// Opens the context menu with a right click (on tab nTab, or beside the tabs with -1) and
// clicks the entry; false when the menu did not come up or the entry is missing or disabled.
inline bool ChooseFromMenu(Editor& editor, const QString& sEntry, int nTab = -1)
{
    RightClickTabBar(editor.View(), nTab);
    ResortPopupMenu* pMenu = editor.Ctrl()->GetMenu();
    QAction* pAction = MenuAction(pMenu, sEntry);
    if (!pMenu->isVisible() || !pAction || !pAction->isEnabled())
    {
        pMenu->hide();
        return false;
    }
    QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier, pMenu->actionGeometry(pAction).center());
    pMenu->hide();
    return true;
}

// Picks a display name in the open new-group dialog and presses "&Ok"; false without dialog
// or without that entry.
inline bool ChooseNewGroup(ParameterView* pView, const QString& sDisplayName)
{
    NewChildDialog* pDialog = nullptr;
    for (NewChildDialog* pCandidate : pView->findChildren<NewChildDialog*>())
        if (pCandidate->isVisible())
            pDialog = pCandidate;
    if (!pDialog)
        return false;
    const int nIndex = pDialog->GetComboBox()->findText(sDisplayName);
    if (nIndex < 0)
        return false;
    pDialog->GetComboBox()->setCurrentIndex(nIndex);
    QTest::mouseClick(pDialog->GetOkButton(), Qt::LeftButton);
    return true;
}

} // namespace ParameterEditorTools
