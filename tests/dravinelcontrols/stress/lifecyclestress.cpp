// The lifecycle stress run: the editors open on nodes of a sample tree while a seeded random
// sequence of operator and outside actions runs over them. After every step each view must
// show only nodes that still exist (rows, tabs, panes), a list put in order by Keep Order
// must stand in the tree as shown, and every edit made through a view must have reached its
// host. Each run is a forked child, so that a crash or a sanitizer abort is a failure like any
// other; a failure is shrunk to the shortest step list that still fails, printed so that it can
// become a data row of the view's ordinary test.
//
//   lifecyclestress [--steps N] [--seed S] [--replay "k:a:b:c k:a:b:c ..."]
//   (the seed may also come from DRAVINEL_STRESS_SEED; default: the time)

#include "../tst_frequencyfixture.h"
#include "common/modalanswerer.h"
#include "common/parametereditortools.h"

#include "dravinelcontrols/dravinelview.h"
#include "dravinelcontrols/freqscenarioviewsplit.h"
#include "dravinelcontrols/frequencyscenarioview.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/frequencyviewsplitctrl.h"
#include "dravinelcontrols/genericscenarioview.h"
#include "dravinelcontrols/genericscenarioviewctrl.h"
#include "dravinelcontrols/movementscenarioview.h"
#include "dravinelcontrols/parameterscenarioview.h"
#include "dravinelcontrols/parameterviewitem.h"
#include "dravinelcontrols/undohistory.h"
#include "dravineldefinition/sampledata.h"
#include "oskevo/treewatcher.h"
#include "oskevo/vtxml.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/tvinodesplit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPointer>
#include <QUndoStack>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <unordered_set>

using namespace FrequencyTest;
using namespace ParameterEditorTools;

namespace
{

enum Kind
{
    OutsideCreate,
    OutsideDelete,
    OutsideRename,
    OutsideEdit,
    ViewEdit,
    ViewNew,
    Paste,
    Cut,
    Delete,
    KeepOrder,
    Select,
    LoadOther,
    InitOther,
    Unload,
    DeleteShown,
    Reopen,
    UndoRedo,
    KindCount
};
const char* const s_apszKinds[] = {"create", "delete", "rename",       "edit",       "view-edit", "view-new",
                                   "paste",  "cut",    "delete-row",   "keep-order", "select",    "load",
                                   "init",   "unload", "delete-shown", "reopen",     "undo-redo"};

// One step: its kind and three random numbers, read against the tree and views as they are.
struct Step
{
    int nKind;
    quint32 a, b, c;
};

QString Format(const std::vector<Step>& vecSteps)
{
    QStringList list;
    for (const Step& step : vecSteps)
        list << QStringLiteral("%1:%2:%3:%4").arg(step.nKind).arg(step.a).arg(step.b).arg(step.c);
    return list.join(QLatin1Char(' '));
}

std::vector<Step> Parse(const QString& sText)
{
    std::vector<Step> vecSteps;
    for (const QString& sStep : sText.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    {
        const QStringList list = sStep.split(QLatin1Char(':'));
        if (list.size() == 4)
            vecSteps.push_back(
                {list[0].toInt() % KindCount, list[1].toUInt(), list[2].toUInt(), list[3].toUInt()});
    }
    return vecSteps;
}

std::vector<Step> Generate(quint32 nSeed, int nSteps)
{
    std::mt19937 random(nSeed);
    // Operator actions on the views come more often than the heavy ones (reload, reopen).
    const std::vector<int> vecWeights = {6, 4, 2, 6, 6, 3, 8, 3, 3, 3, 10, 3, 2, 2, 2, 2, 4};
    std::discrete_distribution<int> kinds(vecWeights.begin(), vecWeights.end());
    std::vector<Step> vecSteps;
    for (int n = 0; n < nSteps; ++n)
        vecSteps.push_back({kinds(random), quint32(random()), quint32(random()), quint32(random())});
    return vecSteps;
}

// The editors of the run, by the kind of node they show.
enum ViewKind
{
    Frequencies,
    Split,
    Parameters,
    ScenarioParameters,
    Emissions,
    Movement,
    ScenarioForm,
    DeviceTree,
    ViewKindCount
};
const char* const s_apszViews[] = {"FrequencyView",         "FrequencyViewSplit",    "ParameterView",
                                   "ParameterScenarioView", "FrequencyScenarioView", "MovementScenarioView",
                                   "GenericScenarioView",   "DravinelView"};

const std::vector<const values::ValueDescriptor*>& ShownTypes(int nKind)
{
    static const std::vector<const values::ValueDescriptor*> s_avec[] = {
        {&g_vdNodeFds},
        {&g_vdNodeFds},
        {&g_vdNodeDev, &g_vdNodeDcd, &g_vdNodeDcs, &g_vdNodeFd},
        {&g_vdNodeIndEm, &g_vdNodeIndEmi, &g_vdNodeIndMov},
        {&g_vdNodeSimFreqListSuper},
        {&g_vdNodeSimMovListSuper},
        {&g_vdNodeSimGeneral, &g_vdNodeSimFrequency, &g_vdNodeSimMovement},
        {&g_vdNodeRoot, &g_vdNodeDev}};
    return s_avec[nKind];
}

template <class T> T* Pick(const std::vector<T*>& vec, quint32 n)
{
    return vec.empty() ? nullptr : vec[n % vec.size()];
}

QString PathOf(const values::TreeItem* pItem)
{
    return pItem ? pItem->GetPathName() : QStringLiteral("<none>");
}

// An open editor with its host (a window that records the modification reports).
struct OpenView
{
    int nKind;
    QPointer<QWidget> pWidget;
    HostObserver host;

    ITreeEdit* Edit() const
    {
        if (auto* pTree = dynamic_cast<DravinelView*>(pWidget.data()))
            return pTree;
        if (auto* pForm = dynamic_cast<FreqScenarioViewSplit*>(pWidget.data()))
            return pForm->GetGenericScenarioView();
        if (auto* pTable = dynamic_cast<FrequencyView*>(pWidget.data()))
            return pTable;
        if (auto* pSplit = dynamic_cast<FrequencyViewSplit*>(pWidget.data()))
            return pSplit;
        return dynamic_cast<ParameterView*>(pWidget.data());
    }
    // The tables and parameter editors the view shows, nested ones included.
    void Parts(std::vector<FrequencyView*>& vecTables, std::vector<ParameterView*>& vecParams) const
    {
        PartsOf(pWidget.data(), vecTables, vecParams);
        // The device tree: the editor its current item shows.
        if (auto* pTree = dynamic_cast<DravinelView*>(pWidget.data()))
            if (auto* pTvi = dynamic_cast<TviNodeSplit*>(pTree->GetTreeViewCtrl()->CurrentTvi()))
                PartsOf(pTvi->GetDisplay(), vecTables, vecParams);
    }
    static void PartsOf(QWidget* pWidget, std::vector<FrequencyView*>& vecTables,
                        std::vector<ParameterView*>& vecParams)
    {
        if (auto* pTable = dynamic_cast<FrequencyView*>(pWidget))
            vecTables.push_back(pTable);
        if (auto* pSplit = dynamic_cast<FrequencyViewSplit*>(pWidget))
        {
            vecTables.push_back(pSplit->GetFrequencyView());
            if (pSplit->GetParameterView())
                vecParams.push_back(pSplit->GetParameterView());
        }
        if (auto* pForm = dynamic_cast<FreqScenarioViewSplit*>(pWidget))
            if (pForm->GetFrequencyView())
                vecTables.push_back(pForm->GetFrequencyView());
        if (auto* pParams = dynamic_cast<ParameterView*>(pWidget))
        {
            vecParams.push_back(pParams);
            for (auto* pForm : pParams->findChildren<FreqScenarioViewSplit*>())
                if (pForm->GetFrequencyView())
                    vecTables.push_back(pForm->GetFrequencyView());
        }
    }
};

class Run
{
public:
    explicit Run(bool bVerbose) : m_bVerbose(bVerbose)
    {
        m_pRoot = new values::Node(QStringLiteral("Stress"));
        values::Tree::Instance()->GetRoot()->AddItem(m_pRoot);
        DravinelDefinition::SampleData::Fill(m_pRoot);
        m_pWatcher.reset(new values::TreeWatcher(&m_treeHost, m_pRoot));
        m_pHistory.reset(new UndoHistory(m_pRoot));
        for (int nKind = 0; nKind < ViewKindCount; ++nKind)
        {
            m_vecViews.emplace_back(new OpenView{nKind, nullptr, {}});
            Open(*m_vecViews.back(), 0);
        }
    }
    ~Run()
    {
        for (auto& pView : m_vecViews)
            delete pView->pWidget.data();
        m_pWatcher.reset();
        m_pHistory.reset();
        values::Tree::Instance()->GetRoot()->DeleteItem(m_pRoot);
    }

    // Carries out one step; answers what went wrong, or an empty text.
    QString Do(const Step& step)
    {
        Collect();
        if (m_vecNodes.size() < 60)
        {
            // Most of the tree deleted: another view brings the devices back.
            DravinelDefinition::SampleData::Fill(m_pRoot);
            Collect();
        }
        m_sDid.clear();
        OpenView& view = *m_vecViews[step.a % m_vecViews.size()];
        if (!view.pWidget)
            return QStringLiteral("%1 was deleted by nobody").arg(s_apszViews[view.nKind]);
        bool bEdit = false;
        std::vector<FrequencyView*> vecTables;
        std::vector<ParameterView*> vecParams;
        view.Parts(vecTables, vecParams);
        FrequencyView* pTable = Pick(vecTables, step.b);
        ParameterView* pParams = Pick(vecParams, step.b);
        view.host.m_listCalls.clear();
        if (ITreeEdit* pEdit = view.Edit())
            pEdit->SetbModified(false); // as after a save
        view.host.m_listCalls.clear();
        m_pWatcher->SetbModified(false);
        switch (step.nKind)
        {
        case OutsideCreate:
            CreateChild(Pick(m_vecNodes, step.b), step.c);
            break;
        case OutsideDelete:
            if (values::Node* pNode = Pick(m_vecNodes, step.b))
            {
                Did(QStringLiteral("delete %1 from outside").arg(PathOf(pNode)));
                pNode->GetParentNode()->DeleteItem(pNode);
            }
            break;
        case OutsideRename:
            if (values::Node* pNode = Pick(m_vecNodes, step.b))
            {
                Did(QStringLiteral("rename %1 from outside").arg(PathOf(pNode)));
                // Another view keeps the type's name stem (lists find their entries by it).
                pNode->SetName(pNode->GetValueDescriptor() ? pNode->GetValueDescriptor()->DefaultItemName() +
                                                                 QString::number(step.c % 7)
                                                           : QStringLiteral("R%1").arg(step.c % 7),
                               nullptr, true);
            }
            break;
        case OutsideEdit:
            if (values::ValueBase* pValue = Pick(m_vecValues, step.b))
            {
                Did(QStringLiteral("set %1 from outside").arg(PathOf(pValue)));
                pValue->SetAsString(QString::number(double(step.c % 100000) * 1e3));
            }
            break;
        case ViewEdit:
            bEdit = EditThrough(view, pTable, pParams, step);
            break;
        case ViewNew:
            if ((bEdit = pTable && pTable->GetCtrl()))
            {
                // The scenario tables offer New only.
                const bool bInsert = step.c % 2 && (view.nKind == Frequencies || view.nKind == Split);
                Did(QStringLiteral("%1 row in a table of %2")
                        .arg(bInsert ? "insert" : "new", s_apszViews[view.nKind]));
                bInsert ? pTable->GetCtrl()->SlotInsert() : pTable->GetCtrl()->SlotNew();
            }
            break;
        case Paste:
            bEdit = PasteInto(view, pTable, pParams, step);
            break;
        case Cut:
        case Delete:
            bEdit = Remove(view, pTable, pParams, step);
            break;
        case KeepOrder:
            if (pTable && pTable->GetCtrl() && (view.nKind == Frequencies || view.nKind == Split))
            {
                if (step.c % 3)
                    ClickHeader(pTable, int(step.c % 4));
                Did(QStringLiteral("keep order in %1").arg(s_apszViews[view.nKind]));
                pTable->GetCtrl()->SlotReOrderTreeItems();
                bEdit = true;
                m_pOrdered = pTable;
            }
            break;
        case Select:
            if (auto* pTree = dynamic_cast<DravinelView*>(view.pWidget.data()); pTree && step.b % 2)
            {
                values::Node* pNode = Pick(m_vecNodes, step.c);
                Did(QStringLiteral("select %1 in the device tree").arg(PathOf(pNode)));
                pTree->GetTreeViewCtrl()->SelectTreeItem(pNode);
                QCoreApplication::processEvents();
            }
            else
                MakeCurrent(pTable, pParams, step.c);
            break;
        case LoadOther:
        case InitOther:
            if (values::Node* pNode = Candidate(view.nKind, step.c))
            {
                Did(QStringLiteral("%1 view %2 with %3")
                        .arg(step.nKind == LoadOther ? "load" : "init")
                        .arg(s_apszViews[view.nKind], PathOf(pNode)));
                step.nKind == LoadOther ? view.Edit()->Load(pNode) : view.Edit()->Init(pNode);
            }
            break;
        case Unload:
            Did(QStringLiteral("unload view %1").arg(s_apszViews[view.nKind]));
            view.Edit()->Unload();
            break;
        case DeleteShown:
            DeleteShownNode(view, pTable, pParams, step.c);
            break;
        case Reopen:
            Did(QStringLiteral("close and reopen view %1").arg(s_apszViews[view.nKind]));
            delete view.pWidget.data();
            Open(view, step.c);
            break;
        case UndoRedo:
            // Whatever the views did, taken back or done again under all of them.
            Did(QStringLiteral("%1 (%2 steps)")
                    .arg(step.c % 3 ? "undo" : "redo")
                    .arg(m_pHistory->GetStack()->count()));
            m_pHistory->CloseStep();
            step.c % 3 ? m_pHistory->Undo() : m_pHistory->Redo();
            break;
        }
        QCoreApplication::processEvents();
        Collect(); // what lives after the step
        m_nActed += !m_sDid.isEmpty();
        m_nNodes += m_vecNodes.size();
        if (m_bVerbose)
            fprintf(stderr, "  %s\n",
                    qPrintable(m_sDid.isEmpty() ? QStringLiteral("(nothing to do)") : m_sDid));
        QString sProblem = Check();
        // An edit through a view that changed the tree must have reached the view's host.
        if (sProblem.isEmpty() && bEdit && view.pWidget && m_pWatcher->IsModified() &&
            !view.host.WasToldModified())
            sProblem = QStringLiteral("the host of %1 was not told of the edit").arg(s_apszViews[view.nKind]);
        m_pOrdered = nullptr;
        return sProblem;
    }

    // How many steps did something, and the mean number of nodes after a step.
    QString Statistics(size_t nSteps) const
    {
        return QStringLiteral("%1 of %2 steps acted, %3 nodes on average")
            .arg(m_nActed)
            .arg(nSteps)
            .arg(nSteps ? m_nNodes / nSteps : 0);
    }

private:
    void Did(const QString& sText) { m_sDid = sText; }

    // Every node and value below the run's root, for picking and for telling live pointers.
    void Collect()
    {
        m_vecNodes.clear();
        m_vecValues.clear();
        m_setLive.clear();
        std::vector<values::Node*> vecTodo{m_pRoot};
        while (!vecTodo.empty())
        {
            values::Node* pNode = vecTodo.back();
            vecTodo.pop_back();
            m_setLive.insert(pNode);
            for (values::TreeItem* pChild : pNode->GetTreeItems())
            {
                if (pChild->IsNode())
                {
                    vecTodo.push_back(pChild->AsNode());
                    m_vecNodes.push_back(pChild->AsNode());
                }
                else
                {
                    m_setLive.insert(pChild);
                    m_vecValues.push_back(pChild->AsValue());
                }
            }
        }
    }

    values::Node* Candidate(int nKind, quint32 n) const
    {
        std::vector<values::Node*> vec;
        for (values::Node* pNode : m_vecNodes)
            for (const values::ValueDescriptor* pType : ShownTypes(nKind))
                if (pNode->GetValueDescriptor() == pType)
                    vec.push_back(pNode);
        return Pick(vec, n);
    }

    void Open(OpenView& view, quint32 n)
    {
        QWidget* pWidget = nullptr;
        ITreeEdit* pEdit = nullptr;
        const QString sName = QString::fromLatin1(s_apszViews[view.nKind]);
        switch (view.nKind)
        {
        case Frequencies:
            pEdit = new FrequencyView(nullptr, sName);
            break;
        case Split:
            pEdit = new FrequencyViewSplit(nullptr, sName);
            break;
        case Parameters:
            pEdit = new ParameterView(nullptr, sName);
            break;
        case ScenarioParameters:
            pEdit = new ParameterScenarioView(nullptr, sName);
            break;
        case Emissions:
            pEdit = new FrequencyScenarioView(nullptr, sName);
            break;
        case Movement:
            pEdit = new MovementScenarioView(nullptr, sName);
            break;
        case DeviceTree:
            pEdit = new DravinelView(nullptr);
            break;
        default:
        {
            auto* pForm = new FreqScenarioViewSplit(nullptr);
            pWidget = pForm;
            pEdit = pForm->GetGenericScenarioView();
        }
        }
        if (!pWidget)
            pWidget = dynamic_cast<QWidget*>(pEdit);
        view.pWidget = pWidget;
        pWidget->resize(640, 480);
        pEdit->SetAliasMap(m_aliases.Map());
        pEdit->SetObserver(&view.host);
        Collect();
        if (n % 4)
            pEdit->Init(Candidate(view.nKind, n / 4));
        pWidget->show();
    }

    void CreateChild(values::Node* pParent, quint32 n)
    {
        values::IDynamicRules* pRules = pParent ? Rules(pParent->GetValueDescriptor()) : nullptr;
        values::DescriptorList list;
        if (pRules)
            pRules->GetCreatableDescriptors(pParent, list);
        if (list.empty())
            return;
        auto it = list.begin();
        std::advance(it, n % list.size());
        Did(QStringLiteral("create %1 below %2 from outside").arg((*it)->Name(), PathOf(pParent)));
        pRules->CreateChild(pParent, *it, nullptr);
    }

    void MakeCurrent(FrequencyView* pTable, ParameterView* pParams, quint32 n)
    {
        if (pTable && pTable->rowCount() > 0 && (n % 2 || !pParams))
        {
            const int nRow = int(n / 2 % quint32(pTable->rowCount()));
            if (QTableWidgetItem* pCell = pTable->item(nRow, 0))
                pTable->scrollToItem(pCell);
            Did(QStringLiteral("click row %1 of a table").arg(nRow));
            ClickCell(pTable, nRow, int(n / 64 % 2) * 2);
        }
        else if (pParams && pParams->count() > 0)
        {
            Did(QStringLiteral("make tab %1 current").arg(n / 2 % quint32(pParams->count())));
            pParams->setCurrentIndex(int(n / 2 % quint32(pParams->count())));
        }
    }

    bool EditThrough(OpenView& view, FrequencyView* pTable, ParameterView* pParams, const Step& step)
    {
        MakeCurrent(pTable, pParams, step.c);
        if (pTable && pTable->rowCount() > 0 && step.c % 2)
        {
            const int nRow = int(step.c / 2 % quint32(pTable->rowCount()));
            const QString sText =
                step.b % 3 ? QString::number(100 + step.b % 900) : QStringLiteral("x%1").arg(step.b % 9);
            Did(QStringLiteral("type %1 into row %2 of a table in %3")
                    .arg(sText)
                    .arg(nRow)
                    .arg(s_apszViews[view.nKind]));
            return EditCell(pTable, nRow, int(step.b % 3), sText);
        }
        QWidget* pPage = pParams ? pParams->currentWidget() : view.pWidget.data();
        // Only what the operator can reach: a cell editor released with its row is hidden
        // until it is deleted.
        QList<QAbstractSpinBox*> list;
        for (QAbstractSpinBox* pCandidate :
             pPage ? pPage->findChildren<QAbstractSpinBox*>() : QList<QAbstractSpinBox*>())
            if (pCandidate->isVisible())
                list << pCandidate;
        if (list.isEmpty())
            return false;
        QAbstractSpinBox* pSpin = list.at(int(step.b % quint32(list.size())));
        Did(QStringLiteral("step %1 up in %2").arg(pSpin->objectName(), s_apszViews[view.nKind]));
        QTest::keyClick(pSpin, step.c % 3 ? Qt::Key_Up : Qt::Key_Down);
        return true;
    }

    QString ClipboardText(const Step& step)
    {
        std::vector<values::Node*> vecSources;
        for (values::Node* pNode : m_vecNodes)
            if (pNode->GetValueDescriptor() == &g_vdNodeFd || pNode->GetValueDescriptor() == &g_vdNodePar ||
                (pNode->GetParentNode() && pNode->GetParentNode()->GetValueDescriptor() == &g_vdNodePar) ||
                pNode->GetValueDescriptor() == &g_vdNodeSimFreqList)
                vecSources.push_back(pNode);
        values::VtXml xml;
        if (values::Node* pSource = Pick(vecSources, step.c / 8))
            xml.AddNode(pSource);
        QString sXml = xml.GetString();
        switch (step.c % 6)
        {
        case 0:
        case 1:
            Did(QStringLiteral("paste a document of %1").arg(PathOf(Pick(vecSources, step.c / 8))));
            return sXml;
        case 2:
        {
            QString sSheet = QStringLiteral("FrequencyListCopyStruct\nFrequency\tName\tBandwidth\n");
            for (quint32 n = 0; n < step.c / 8 % 5; ++n)
                sSheet += QStringLiteral("%1e6\tP%2\t%3\n").arg(100 + n).arg(n).arg(n % 2 ? "12500" : "x");
            Did(QStringLiteral("paste a sheet"));
            return sSheet;
        }
        case 3:
            Did(QStringLiteral("paste a document cut at %1").arg(step.c / 8 % quint32(sXml.size() + 1)));
            return sXml.left(int(step.c / 8 % quint32(sXml.size() + 1)));
        case 4:
            if (!sXml.isEmpty())
                sXml[int(step.c / 8 % quint32(sXml.size()))] = QLatin1Char('<');
            Did(QStringLiteral("paste a document with a '<' put in"));
            return sXml;
        default:
            Did(QStringLiteral("paste garbage"));
            return QStringLiteral("<!DOCTYPE Vt>\t%1\n\x01").arg(step.c);
        }
    }

    bool PasteInto(OpenView& view, FrequencyView* pTable, ParameterView* pParams, const Step& step)
    {
        MakeCurrent(pTable, pParams, step.b);
        const QString sText = ClipboardText(step);
        QGuiApplication::clipboard()->setText(sText);
        m_sDid += QStringLiteral(" into %1").arg(s_apszViews[view.nKind]);
        // The question whether a node is to be replaced gets either answer.
        ModalAnswerer answerer({step.b % 2 ? "&Keep" : "&Replace", step.b % 4 < 2 ? "&Keep" : "&Replace"}, 0);
        if (pTable && pTable->GetCtrl() && (step.b % 2 || !pParams))
            pTable->GetCtrl()->SlotPaste();
        else if (pParams && pParams->GetCtrl())
            pParams->GetCtrl()->SlotPaste();
        else
            return false;
        return true;
    }

    bool Remove(OpenView& view, FrequencyView* pTable, ParameterView* pParams, const Step& step)
    {
        MakeCurrent(pTable, pParams, step.c);
        const bool bCut = step.nKind == Cut;
        m_sDid += QStringLiteral(", then %1 in %2").arg(bCut ? "cut" : "delete").arg(s_apszViews[view.nKind]);
        if (pTable && pTable->GetCtrl() && (step.c % 2 || !pParams))
        {
            for (quint32 n = 0; n < step.b % 3 && pTable->rowCount() > 0; ++n)
                pTable->SelectRow(int((step.b / 4 + n * 7) % quint32(pTable->rowCount())), true);
            bCut ? pTable->GetCtrl()->SlotCut() : pTable->GetCtrl()->SlotDelete();
        }
        else if (pParams && pParams->GetCtrl())
            bCut ? pParams->GetCtrl()->SlotCut() : pParams->GetCtrl()->SlotDelete();
        else
            return false;
        return true;
    }

    void DeleteShownNode(OpenView& view, FrequencyView* pTable, ParameterView* pParams, quint32 n)
    {
        values::Node* pNode = nullptr;
        if (pParams && pParams->GetCtrl() && (n % 2 || !pTable))
            pNode = pParams->GetCtrl()->GetNode();
        else if (pTable && pTable->GetCtrl())
            pNode = pTable->GetCtrl()->GetNode();
        if (pNode && n % 3 == 0 && pNode->GetParentNode() != m_pRoot)
            pNode = pNode->GetParentNode(); // the owner of what is shown
        if (!pNode || !m_setLive.count(pNode) || pNode == m_pRoot)
            return;
        Did(QStringLiteral("delete %1 shown in %2").arg(PathOf(pNode), s_apszViews[view.nKind]));
        pNode->GetParentNode()->DeleteItem(pNode);
    }

    bool Live(const values::TreeItem* pItem) const { return m_setLive.count(pItem) > 0; }

    // What must hold for a table: its list exists, every row shows a live entry of that list,
    // every entry has one row; right after Keep Order the tree holds the entries as shown.
    QString CheckTable(FrequencyView* pTable) const
    {
        FrequencyViewCtrl* pCtrl = pTable->GetCtrl();
        values::Node* pList = pCtrl ? pCtrl->GetNode() : nullptr;
        if (!pList)
            return pTable->rowCount() > 0 ? QStringLiteral("rows without a list") : QString();
        if (!Live(pList))
            return QStringLiteral("the list shown is gone");
        const bool bScenario =
            dynamic_cast<FrequencyScenarioView*>(pTable) || dynamic_cast<MovementScenarioView*>(pTable);
        std::unordered_set<values::Node*> setShown;
        std::vector<values::Node*> vecShown;
        for (int nVisual = 0; nVisual < pTable->rowCount(); ++nVisual)
        {
            const int nRow = pTable->verticalHeader()->logicalIndex(nVisual);
            FrequencyViewItem* pRow = pCtrl->GetRowMediator(nRow);
            values::Node* pNode = pRow ? pRow->GetNode() : nullptr;
            if (!pNode || !Live(pNode) || pNode->GetParentNode() != pList || !setShown.insert(pNode).second)
                return QStringLiteral("row %1 of %2 shows no entry of it").arg(nRow).arg(PathOf(pList));
            vecShown.push_back(pNode);
        }
        std::vector<values::Node*> vecEntries;
        for (values::TreeItem* pChild : pList->GetTreeItems())
            if (values::Node* pEntry = bScenario ? pChild->AsNode() : FrequencyViewItem::AsDefinition(pChild))
                vecEntries.push_back(pEntry);
        if (vecEntries.size() != vecShown.size())
            return QStringLiteral("%1 shows %2 rows for %3 entries")
                .arg(PathOf(pList))
                .arg(vecShown.size())
                .arg(vecEntries.size());
        if (pTable == m_pOrdered && vecEntries != vecShown)
            return QStringLiteral("after Keep Order %1 is not in the order shown").arg(PathOf(pList));
        return QString();
    }

    // The device tree: every item shows a live node, below its parent item's node.
    QString CheckTree(DravinelView* pTree) const
    {
        std::vector<QTreeWidgetItem*> vecItems;
        for (int i = 0; i < pTree->GetListView()->topLevelItemCount(); ++i)
            vecItems.push_back(pTree->GetListView()->topLevelItem(i));
        while (!vecItems.empty())
        {
            QTreeWidgetItem* pLvi = vecItems.back();
            vecItems.pop_back();
            TreeViewItem* pTvi = TreeViewItem::FromListViewItem(pLvi);
            values::Node* pNode = pTvi ? pTvi->GetNode() : nullptr;
            if (!pNode || !Live(pNode))
                return QStringLiteral("an item of the device tree shows no live node");
            TreeViewItem* pParent = pLvi->parent() ? TreeViewItem::FromListViewItem(pLvi->parent()) : nullptr;
            if (pParent && pNode->GetParentNode() != pParent->GetNode())
                return QStringLiteral("the item of %1 stands below another node's item").arg(PathOf(pNode));
            for (int i = 0; i < pLvi->childCount(); ++i)
                vecItems.push_back(pLvi->child(i));
        }
        return QString();
    }

    // A parameter editor: its node exists, and each tab is the page of a live group of it.
    QString CheckParams(ParameterView* pParams) const
    {
        ParameterViewCtrl* pCtrl = pParams->GetCtrl();
        values::Node* pNode = pCtrl ? pCtrl->GetNode() : nullptr;
        if (!pNode)
            return pParams->count() > 0 ? QStringLiteral("tabs without a node") : QString();
        if (!Live(pNode))
            return QStringLiteral("the node of a parameter editor is gone");
        int nPages = 0;
        for (values::TreeItem* pChild : pNode->GetTreeItems())
            if (auto* pTab = dynamic_cast<ParameterViewItem*>(pCtrl->GetMediator(pChild)))
                nPages += pParams->indexOf(pTab->GetViewItem()) >= 0;
        if (nPages != pParams->count())
            return QStringLiteral("%1 of %2 tabs of %3 show a group of it")
                .arg(nPages)
                .arg(pParams->count())
                .arg(PathOf(pNode));
        return QString();
    }

    QString Check() const
    {
        for (const auto& pView : m_vecViews)
        {
            if (!pView->pWidget)
                return QStringLiteral("%1 was deleted by nobody").arg(s_apszViews[pView->nKind]);
            std::vector<FrequencyView*> vecTables;
            std::vector<ParameterView*> vecParams;
            pView->Parts(vecTables, vecParams);
            QString sProblem;
            for (FrequencyView* pTable : vecTables)
                if (sProblem.isEmpty())
                    sProblem = CheckTable(pTable);
            for (ParameterView* pParams : vecParams)
                if (sProblem.isEmpty())
                    sProblem = CheckParams(pParams);
            if (auto* pSplit = dynamic_cast<FrequencyViewSplit*>(pView->pWidget.data());
                pSplit && sProblem.isEmpty())
            {
                // The pane shows the definition of a row (or its parameter set).
                ParameterView* pPane = pSplit->GetParameterView();
                values::Node* pShown = pPane && pPane->GetCtrl() ? pPane->GetCtrl()->GetNode() : nullptr;
                values::Node* pFd =
                    pShown && pShown->GetValueDescriptor() == &g_vdNodePar ? pShown->GetParentNode() : pShown;
                FrequencyViewCtrl* pCtrl = pSplit->GetFrequencyView()->GetCtrl();
                if (pFd && (!pCtrl || !pCtrl->GetMediator(pFd)))
                    sProblem = QStringLiteral("the pane shows %1, which has no row").arg(PathOf(pFd));
            }
            if (auto* pForm = dynamic_cast<FreqScenarioViewSplit*>(pView->pWidget.data());
                pForm && sProblem.isEmpty())
            {
                GenericViewCtrl* pCtrl = pForm->GetGenericScenarioView()->GetCtrl();
                if (pCtrl && pCtrl->GetNode() && !Live(pCtrl->GetNode()))
                    sProblem = QStringLiteral("the form's node is gone");
            }
            if (auto* pTree = dynamic_cast<DravinelView*>(pView->pWidget.data()); pTree && sProblem.isEmpty())
                sProblem = CheckTree(pTree);
            if (!sProblem.isEmpty())
                return QStringLiteral("%1: %2").arg(s_apszViews[pView->nKind], sProblem);
        }
        return QString();
    }

    bool m_bVerbose;
    Aliases m_aliases;
    values::Node* m_pRoot;
    HostObserver m_treeHost;
    std::unique_ptr<values::TreeWatcher> m_pWatcher;
    std::unique_ptr<UndoHistory> m_pHistory;
    std::vector<std::unique_ptr<OpenView>> m_vecViews;
    std::vector<values::Node*> m_vecNodes;
    std::vector<values::ValueBase*> m_vecValues;
    std::unordered_set<const values::TreeItem*> m_setLive;
    FrequencyView* m_pOrdered = nullptr;
    QString m_sDid;
    size_t m_nActed = 0;
    size_t m_nNodes = 0;
};

bool s_bShrinking = false; // trials print nothing

// Shared with the child that runs the steps: the step it is at and what went wrong.
struct Outcome
{
    int nStep;
    char szProblem[1024];
};

// Runs the steps in a forked child; answers whether they ran through. On failure rOutcome
// names the failing step (a crash fails the step that was running).
bool RunForked(const std::vector<Step>& vecSteps, bool bVerbose, Outcome& rOutcome)
{
    auto* pShared = static_cast<Outcome*>(
        mmap(nullptr, sizeof(Outcome), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    memset(pShared, 0, sizeof(Outcome));
    fflush(stdout);
    fflush(stderr);
    const pid_t pid = fork();
    if (pid == 0)
    {
        if (!bVerbose)
        {
            const int nNull = open("/dev/null", O_WRONLY);
            dup2(nNull, 2);
        }
        alarm(600);        // a hang fails too
        Messages messages; // the frequency editors' messages, without boxes
        {
            Run run(bVerbose);
            for (size_t n = 0; n < vecSteps.size(); ++n)
            {
                pShared->nStep = int(n);
                if (bVerbose)
                    fprintf(stderr, "%zu %s %s\n", n, s_apszKinds[vecSteps[n].nKind],
                            qPrintable(Format({vecSteps[n]})));
                const QString sProblem = run.Do(vecSteps[n]);
                if (!sProblem.isEmpty())
                {
                    qstrncpy(pShared->szProblem, qPrintable(sProblem), sizeof(pShared->szProblem));
                    _exit(1);
                }
            }
            if (!s_bShrinking)
                printf("%s\n", qPrintable(run.Statistics(vecSteps.size())));
        }
        fflush(stdout);
        _exit(0);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    rOutcome = *pShared;
    munmap(pShared, sizeof(Outcome));
    const bool bPassed = WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0;
    if (!bPassed && !rOutcome.szProblem[0])
        snprintf(rOutcome.szProblem, sizeof(rOutcome.szProblem), "crashed (%s %d)",
                 WIFSIGNALED(nStatus) ? "signal" : "exit",
                 WIFSIGNALED(nStatus) ? WTERMSIG(nStatus) : WEXITSTATUS(nStatus));
    return bPassed;
}

// What a failure is about (the view, or the crash), so that shrinking keeps to one fault.
QString FaultOf(const Outcome& outcome)
{
    return QString::fromLocal8Bit(outcome.szProblem)
        .section(QLatin1Char(':'), 0, 0)
        .section(QLatin1Char(' '), 0, 2);
}

QString s_sFault;

// Whether the steps fail as the run did; if so, vecSteps is cut after the failing step.
bool Fails(std::vector<Step>& vecSteps, int& rTrials)
{
    ++rTrials;
    Outcome outcome;
    if (RunForked(vecSteps, false, outcome) || FaultOf(outcome) != s_sFault)
        return false;
    vecSteps.resize(size_t(outcome.nStep) + 1);
    return true;
}

// Delta debugging: drops chunks of steps while the rest still fails, finer and finer, down
// to single steps.
std::vector<Step> Shrink(std::vector<Step> vecSteps, int& rTrials)
{
    size_t nChunks = 2;
    while (vecSteps.size() >= 2)
    {
        const size_t nChunk = (vecSteps.size() + nChunks - 1) / nChunks;
        bool bReduced = false;
        for (size_t nStart = 0; nStart < vecSteps.size() && !bReduced; nStart += nChunk)
        {
            std::vector<Step> vecRest(vecSteps.begin(), vecSteps.begin() + long(nStart));
            vecRest.insert(vecRest.end(), vecSteps.begin() + long(std::min(nStart + nChunk, vecSteps.size())),
                           vecSteps.end());
            if ((bReduced = Fails(vecRest, rTrials)))
            {
                vecSteps = vecRest;
                nChunks = std::max<size_t>(nChunks - 1, 2);
            }
        }
        if (!bReduced)
        {
            if (nChunks >= vecSteps.size())
                break;
            nChunks = std::min(nChunks * 2, vecSteps.size());
        }
    }
    return vecSteps;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList listArgs = app.arguments();
    auto option = [&listArgs](const char* pszName)
    {
        const int n = listArgs.indexOf(QLatin1String(pszName));
        return n >= 0 && n + 1 < listArgs.size() ? listArgs.at(n + 1) : QString();
    };
    const int nSteps = option("--steps").isEmpty() ? 3000 : option("--steps").toInt();
    QString sSeed = option("--seed");
    if (sSeed.isEmpty())
        sSeed = qEnvironmentVariable("DRAVINEL_STRESS_SEED");
    const quint32 nSeed = sSeed.isEmpty() ? quint32(QDateTime::currentMSecsSinceEpoch()) : sSeed.toUInt();
    const bool bReplay = listArgs.contains(QLatin1String("--replay"));
    std::vector<Step> vecSteps = bReplay ? Parse(option("--replay")) : Generate(nSeed, nSteps);
    if (!bReplay)
        printf("lifecycle stress: seed %u, %d steps\n", nSeed, nSteps);

    Outcome outcome;
    QElapsedTimer timer;
    timer.start();
    if (RunForked(vecSteps, bReplay, outcome))
    {
        const double dSeconds = std::max(timer.elapsed(), qint64(1)) / 1000.0;
        printf("passed: %zu steps in %.1f s, %.0f steps per second\n", vecSteps.size(), dSeconds,
               double(vecSteps.size()) / dSeconds);
        return 0;
    }
    printf("FAILED at step %d (seed %u): %s\n", outcome.nStep, nSeed, outcome.szProblem);
    if (bReplay)
        return 1;
    vecSteps.resize(size_t(outcome.nStep) + 1);
    s_sFault = FaultOf(outcome);
    s_bShrinking = true;
    int nTrials = 0;
    vecSteps = Shrink(vecSteps, nTrials);
    s_bShrinking = false;
    printf("shortest failing sequence (%zu steps, %d trials), as run:\n", vecSteps.size(), nTrials);
    RunForked(vecSteps, true, outcome);
    printf("problem: %s\nreplay: %s --replay \"%s\"\n", outcome.szProblem, argv[0],
           qPrintable(Format(vecSteps)));
    return 1;
}
