#pragma once

// Shared by the frequency editor tests: a frequency list in the process-wide tree, helpers that
// read the table and the tree, a sink for the operator's messages and one for diagnostics, a
// recorder of modification reports, and drivers that use the view as an operator does (context
// menu, cell editor).

#include "common/diagnostics.h"
#include "common/modifyrecorder.h"
#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/imodified.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"
#include "wendrisk/vclineedit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMap>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

namespace FrequencyTest
{

using namespace DravinelDefinition;

// The rules of the default device definition for nodes of a type.
inline values::IDynamicRules* DefinitionRules(const values::ValueDescriptor* pDescriptor)
{
    return DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1)->GetRulesMap().Find(pDescriptor);
}
inline values::ValueBase* Value(values::Node* pFd, const values::ValueDescriptor& descriptor)
{
    return pFd->GetValue(descriptor.PathName().mid(1));
}
inline double Start(values::Node* pFd)
{
    return Value(pFd, g_vdFStart)->GetNumber();
}
inline double Stop(values::Node* pFd)
{
    return Value(pFd, g_vdFStop)->GetNumber();
}
inline QString Name(values::Node* pFd)
{
    return Value(pFd, g_vdFName)->GetAsString();
}

// A frequency-definitions node below the tree's root, deleted with the fixture unless the test
// deleted it.
class FdsNode
{
public:
    FdsNode()
    {
        static int s_nCounter = 0;
        m_pNode = new values::Node(QStringLiteral("FdsTest%1").arg(++s_nCounter), &g_vdNodeFds);
        values::Tree::Instance()->GetRoot()->AddItem(m_pNode);
        m_spAlive = m_pNode->GetAliveFlag();
    }
    ~FdsNode() { Delete(); }
    void Delete()
    {
        if (*m_spAlive)
            m_pNode->GetParentNode()->DeleteItem(m_pNode);
    }

    values::Node* Get() const { return m_pNode; }
    // A definition made through the rules, as the editor makes them.
    values::Node* Add(double dStart, double dStop, const QString& sName, bool bSuppressed = false)
    {
        values::Node* pFd =
            DefinitionRules(m_pNode->GetValueDescriptor())->CreateChild(m_pNode, &g_vdNodeFd, nullptr);
        Value(pFd, g_vdFStart)->SetNumber(dStart);
        Value(pFd, g_vdFStop)->SetNumber(dStop);
        Value(pFd, g_vdFName)->SetAsString(sName);
        Value(pFd, g_vdFSupp)->SetAsString(bSuppressed ? QStringLiteral("true") : QStringLiteral("false"));
        return pFd;
    }
    // The frequency definition children in tree order.
    QList<values::Node*> Definitions() const
    {
        QList<values::Node*> list;
        for (values::TreeItem* pChild : m_pNode->GetTreeItems())
        {
            if (pChild->IsNode() && pChild->GetValueDescriptor() == &g_vdNodeFd)
                list << pChild->AsNode();
        }
        return list;
    }
    QStringList Names() const
    {
        QStringList list;
        for (values::Node* pFd : Definitions())
            list << Name(pFd);
        return list;
    }
    QStringList NodeNames() const
    {
        QStringList list;
        for (values::TreeItem* pChild : m_pNode->GetTreeItems())
            list << pChild->GetName();
        return list;
    }

private:
    values::Node* m_pNode;
    std::shared_ptr<const bool> m_spAlive;
};

// The four texts of a model row.
inline QStringList RowTexts(QTableWidget* pTable, int nRow)
{
    QStringList list;
    for (int nCol = 0; nCol < 4; ++nCol)
    {
        QTableWidgetItem* pCell = pTable->item(nRow, nCol);
        list << (pCell ? pCell->text() : QStringLiteral("<none>"));
    }
    return list;
}

// The texts of one column from top to bottom as the operator sees them.
inline QStringList ShownColumn(QTableWidget* pTable, int nCol)
{
    QStringList list;
    for (int nVisual = 0; nVisual < pTable->rowCount(); ++nVisual)
    {
        QTableWidgetItem* pCell = pTable->item(pTable->verticalHeader()->logicalIndex(nVisual), nCol);
        list << (pCell ? pCell->text() : QStringLiteral("<none>"));
    }
    return list;
}

// Every row shows the definition whose name it shows: start, stop and name cells of a row belong
// to one definition. Answers the first row that does not, or an empty text.
inline QString CheckRowsConsistent(QTableWidget* pTable, const QList<values::Node*>& listDefinitions)
{
    QMap<QString, values::Node*> mapByName;
    for (values::Node* pFd : listDefinitions)
        mapByName.insert(Name(pFd), pFd);
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow)
    {
        const QStringList listTexts = RowTexts(pTable, nRow);
        values::Node* pFd = mapByName.value(listTexts.at(2));
        if (!pFd)
            return QStringLiteral("row %1 names no definition: %2")
                .arg(nRow)
                .arg(listTexts.join(QLatin1Char('|')));
        const QString sStart = QString::number(Start(pFd) / 1e6, 'f', 6) + QStringLiteral(" MHz");
        if (listTexts.at(0) != sStart)
            return QStringLiteral("row %1 start %2, definition %3").arg(nRow).arg(listTexts.at(0), sStart);
    }
    return QString();
}

inline QString MHz(double dHz)
{
    return QString::number(dHz / 1e6, 'f', 6) + QStringLiteral(" MHz");
}

// Receives the operator's messages instead of message boxes while it exists.
class Messages
{
public:
    Messages()
    {
        m_previous = FrequencyViewCtrl::SetMessageSink(
            [this](const QString& sTitle, const QString& sText)
            {
                m_listTitles << sTitle;
                m_listTexts << sText;
            });
    }
    ~Messages() { FrequencyViewCtrl::SetMessageSink(m_previous); }
    QStringList m_listTitles;
    QStringList m_listTexts;

private:
    FrequencyViewCtrl::MessageSink m_previous;
};

// A loaded frequency view, shown in an active window so that clicks, keys and editors work.
class ShownView
{
public:
    explicit ShownView(values::Node* pNode) : m_view(nullptr, QStringLiteral("FrequencyView"))
    {
        m_view.resize(640, 400);
        m_view.Init(pNode);
        m_view.show();
        m_view.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_view))
            qWarning("the frequency view's window did not become active");
        m_view.setFocus();
    }
    FrequencyView* operator->() { return &m_view; }
    FrequencyView* Get() { return &m_view; }
    FrequencyViewCtrl* Ctrl() { return m_view.GetCtrl(); }

private:
    FrequencyView m_view;
};

inline QPoint CellCenter(QTableWidget* pTable, int nRow, int nCol)
{
    return pTable->visualRect(pTable->model()->index(nRow, nCol)).center();
}

inline void ClickCell(QTableWidget* pTable, int nRow, int nCol)
{
    QTest::mouseClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, CellCenter(pTable, nRow, nCol));
}

inline void ClickHeader(QTableWidget* pTable, int nCol)
{
    QHeaderView* pHeader = pTable->horizontalHeader();
    const QPoint pos(pHeader->sectionViewportPosition(nCol) + pHeader->sectionSize(nCol) / 2,
                     pHeader->height() / 2);
    QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
}

// Opens the cell's editor with a double click, types the text and presses Return. Answers
// whether an editor was there to type into.
inline bool EditCell(QTableWidget* pTable, int nRow, int nCol, const QString& sText)
{
    // A double click arrives as a click followed by the double-click event.
    const QPoint pos = CellCenter(pTable, nRow, nCol);
    QTest::mouseClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    VCLineEdit* pEditor = nullptr;
    for (VCLineEdit* pEdit : pTable->viewport()->findChildren<VCLineEdit*>())
    {
        if (pEdit->isVisible())
            pEditor = pEdit;
    }
    if (!pEditor)
        return false;
    pEditor->selectAll();
    QTest::keyClicks(pEditor, sText);
    QTest::keyClick(pEditor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate closes the editor through a queued call
    return true;
}

// What the context menu showed and which entries were enabled.
struct MenuState
{
    bool bShown = false;
    QStringList listEntries; // separators as empty texts
    QMap<QString, bool> mapEnabled;
};

// Opens the context menu with a right click at model row nRow (below the rows for -1), notes
// its entries and triggers sEntry (none: the menu is closed).
inline MenuState UseContextMenu(FrequencyView* pView, int nRow, const QString& sEntry = QString())
{
    MenuState state;
    QTimer::singleShot(0,
                       [&state, pView, sEntry]()
                       {
                           QMenu* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                           if (!pMenu)
                               pMenu = pView->findChild<QMenu*>();
                           if (!pMenu || !pMenu->isVisible())
                               return;
                           state.bShown = true;
                           QAction* pChosen = nullptr;
                           for (QAction* pAction : pMenu->actions())
                           {
                               state.listEntries << (pAction->isSeparator() ? QString() : pAction->text());
                               if (!pAction->isSeparator())
                                   state.mapEnabled.insert(pAction->text(), pAction->isEnabled());
                               if (!sEntry.isEmpty() && pAction->text() == sEntry)
                                   pChosen = pAction;
                           }
                           pMenu->close();
                           if (pChosen && pChosen->isEnabled())
                               pChosen->trigger();
                       });
    const QPoint pos = nRow >= 0 ? CellCenter(pView, nRow, 0) : QPoint(4, pView->viewport()->height() - 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, pView->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(pView->viewport(), &event);
    return state;
}

} // namespace FrequencyTest
