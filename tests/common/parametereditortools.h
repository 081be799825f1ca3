#pragma once

#include "common/modifyrecorder.h"
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
#include "tolveth/genericview.h"
#include "tolveth/genericviewctrl.h"
#include "tolveth/genericviewitem.h"
#include "tolveth/newchilddialog.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

// Helpers for tests of the parameter editor and the views that hold it: a device tree made by
// the rules, display names, a host that records modifications, and operator actions.
namespace ParameterEditorTools
{

// An alias map with the display names of the node types the tests meet.
class Aliases : public AliasTable
{
public:
    Aliases()
    {
        const char* const apszNames[][2] = {
            {"Det", "Detection"},          {"DfSearch", "DF Search"}, {"If", "IF"},
            {"Demod", "Demodulation"},     {"Par", "Parameter"},      {"SimGeneral", "General"},
            {"Fd", "Frequency Definition"}};
        for (const auto& entry : apszNames)
            Add(QLatin1String(entry[0]), QLatin1String(entry[1]));
        m_map.AddTable(this);
    }
    ~Aliases() override { m_map.RemoveTable(this); }
    IAliasMap* Map() { return &m_map; }

private:
    AliasMap m_map;
};

using HostObserver = ModifyRecorder;

inline values::IDynamicRules* Rules(const values::ValueDescriptor* pDescriptor)
{
    return DravinelDefinition::DeviceDefinitionCenter::Instance()
        ->GetDeviceDefinition(-1)
        ->GetRulesMap()
        .Find(pDescriptor);
}

// A root node of its own in the process-wide tree with one device made by the rules (with a
// parameter set of all receiver groups, and a job). Deleted with its subtree at the end.
class DeviceTree
{
public:
    DeviceTree()
    {
        static int s_nCount = 0;
        m_pRoot =
            new values::Node(QStringLiteral("TstRoot%1").arg(++s_nCount), &DravinelDefinition::g_vdNodeRoot);
        values::Tree::Instance()->GetRoot()->AddItem(m_pRoot);
        m_spRootAlive = m_pRoot->GetAliveFlag();
        m_pDevice = Rules(&DravinelDefinition::g_vdNodeRoot)
                        ->CreateChild(m_pRoot, &DravinelDefinition::g_vdNodeDev, nullptr);
    }
    ~DeviceTree()
    {
        if (*m_spRootAlive)
            m_pRoot->GetParentNode()->DeleteItem(m_pRoot);
    }

    values::Node* Root() const { return m_pRoot; }
    values::Node* Device() const { return m_pDevice; }
    values::Node* Par() const { return m_pDevice->GetChildNode(&DravinelDefinition::g_vdNodePar); }
    values::Node* Dcd() const { return m_pDevice->GetChildNode(&DravinelDefinition::g_vdNodeDcd); }

private:
    values::Node* m_pRoot;
    values::Node* m_pDevice;
    std::shared_ptr<const bool> m_spRootAlive; // a test may delete the root itself
};

// Gives the parameter set of pOwner exactly the named groups ("Det If"), made through the
// rules in that order; "-" removes the set.
inline void SetGroups(values::Node* pOwner, const QString& sGroups)
{
    values::Node* pSet = pOwner->GetChildNode(&DravinelDefinition::g_vdNodePar);
    if (sGroups == QLatin1String("-"))
        return pOwner->DeleteItem(pSet); // no set: nothing to do
    if (!pSet)
        pSet = Rules(pOwner->GetValueDescriptor())
                   ->CreateChild(pOwner, &DravinelDefinition::g_vdNodePar, nullptr);
    pSet->DeleteChildren();
    for (const QString& sName : sGroups.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        Rules(&DravinelDefinition::g_vdNodePar)
            ->CreateChild(pSet, values::ValueDescriptor::Find(sName), nullptr);
}

// The detection threshold of a group node; NaN when it has none.
inline double Threshold(values::Node* pGroup)
{
    values::ValueBase* pValue = pGroup ? pGroup->GetChildValue(&DravinelDefinition::g_vdThreshold) : nullptr;
    return pValue ? pValue->GetNumber() : qQNaN();
}

inline void SetThreshold(values::Node* pGroup, double dValue)
{
    pGroup->GetChildValue(&DravinelDefinition::g_vdThreshold)->SetNumber(dValue);
}

// The view in a display area with a layout, as a host holds it (or alone, without parent).
class Editor
{
public:
    explicit Editor(IAliasMap* pAliasMap, bool bWithParent = true)
    {
        if (bWithParent)
            new QVBoxLayout(&m_host);
        m_pView = new ParameterView(bWithParent ? &m_host : nullptr, QStringLiteral("ParameterView"));
        m_pWindow = bWithParent ? &m_host : static_cast<QWidget*>(m_pView);
        m_pWindow->resize(700, 420);
        m_pView->SetAliasMap(pAliasMap);
    }
    ~Editor()
    {
        if (m_pWindow != &m_host)
            delete m_pView;
    }

    bool Show()
    {
        m_pWindow->show();
        return QTest::qWaitForWindowExposed(m_pWindow);
    }
    ParameterView* View() const { return m_pView; }
    ParameterViewCtrl* Ctrl() const { return m_pView->GetCtrl(); }
    QWidget* Window() const { return m_pWindow; }

private:
    QWidget m_host;
    ParameterView* m_pView;
    QWidget* m_pWindow;
};

inline QStringList TabTexts(QTabWidget* pTabs)
{
    QStringList list;
    for (int n = 0; n < pTabs->count(); ++n)
        list << pTabs->tabText(n);
    return list;
}

// The middle of tab nTab, or with -1 a point beside the last tab (the bar is widened first,
// as a style that stretches it shows it).
inline QPoint TabBarPoint(QTabWidget* pTabs, int nTab)
{
    QTabBar* pBar = pTabs->tabBar();
    if (nTab >= 0)
        return pBar->tabRect(nTab).center();
    pBar->setExpanding(false);
    pBar->resize(pTabs->width(), qMax(pBar->height(), 24));
    return QPoint(pBar->width() - 4, pBar->height() / 2);
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

// Right click (on tab nTab, or beside the tabs with -1), then a click on the menu entry;
// false when the menu did not come up or the entry is missing or disabled.
inline bool ChooseFromMenu(ParameterView* pView, const QString& sEntry, int nTab = -1)
{
    RightClickTabBar(pView, nTab);
    ResortPopupMenu* pMenu = pView->GetCtrl()->GetMenu();
    QAction* pAction = MenuAction(pMenu, sEntry);
    const bool bOk = pMenu->isVisible() && pAction && pAction->isEnabled();
    if (bOk)
        QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier, pMenu->actionGeometry(pAction).center());
    pMenu->hide();
    return bOk;
}
inline bool ChooseFromMenu(Editor& editor, const QString& sEntry, int nTab = -1)
{
    return ChooseFromMenu(editor.View(), sEntry, nTab);
}

// In the open new-group dialog: the offered display names; with sChoice, picks it and
// presses "&Ok".
inline QStringList AnswerNewGroupDialog(ParameterView* pView, const QString& sChoice)
{
    auto* pDialog = pView->findChild<NewChildDialog*>();
    if (!pDialog)
        return {};
    QStringList listOffered;
    for (int n = 0; n < pDialog->GetComboBox()->count(); ++n)
        listOffered << pDialog->GetComboBox()->itemText(n);
    pDialog->GetComboBox()->setCurrentIndex(listOffered.indexOf(sChoice));
    QTest::mouseClick(pDialog->GetOkButton(), Qt::LeftButton);
    return listOffered;
}

// Steps the detection threshold of pDet up with the arrow key in the form that shows it;
// false when no tab of pTabs shows it or the value did not grow.
inline bool StepThreshold(QTabWidget* pTabs, values::Node* pDet)
{
    values::ValueBase* pValue = pDet->GetChildValue(&DravinelDefinition::g_vdThreshold);
    for (int n = 0; n < pTabs->count(); ++n)
    {
        auto* pForm = pTabs->widget(n)->findChild<GenericView*>();
        GenericViewItem* pRow = pForm ? pForm->GetCtrl()->GetViewItem(pValue) : nullptr;
        if (auto* pSpin = qobject_cast<QAbstractSpinBox*>(pRow ? pRow->GetEditor() : nullptr))
        {
            const double dBefore = pValue->GetNumber();
            QTest::keyClick(pSpin, Qt::Key_Up);
            return pValue->GetNumber() > dBefore;
        }
    }
    return false;
}

} // namespace ParameterEditorTools
