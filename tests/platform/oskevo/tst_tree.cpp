#include "common/datarow.h"
#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/nodemediator.h"
#include "oskevo/treeitemmediatorctrl.h"
#include "oskevo/treewatcher.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vttransaction.h"

#include <QtTest>
#include <map>
#include <memory>

using namespace values;

namespace
{

const ValueDescriptor g_vdTstDevice = ValueDescriptor::NodeType("TreeTstDevice", "/Dev");
const ValueDescriptor g_vdTstOther = ValueDescriptor::NodeType("TreeTstOther", "/Other");
const ValueDescriptor g_vdMedFreq = ValueDescriptor::Double("MedFreq", "/Attr/Freq", 5.0);
const ValueDescriptor g_vdMedAttr = ValueDescriptor::NodeType("MedAttr", "/Attr");

// A controller as the views have one: its mediators log "~" when they go ("~dtor" when the
// controller does), it logs "gone" when told so; children named m_sRefused get none.
class LogCtrl : public TreeItemMediatorCtrl
{
public:
    explicit LogCtrl(QStringList* pLog) : m_pLog(pLog) {}
    ~LogCtrl() override { DestructMediators(); }
    Mediator* CreateMediator(Observable* pObservable) override;
    void NotifyDeleted(Mediator* pMediator) override
    {
        m_pLog->append(QStringLiteral("gone"));
        TreeItemMediatorCtrl::NotifyDeleted(pMediator);
    }
    QStringList* m_pLog;
    QString m_sRefused;
};

class LogMediator : public NodeMediator
{
public:
    LogMediator(LogCtrl* pCtrl, Observable* pObservable) : NodeMediator(pCtrl, pObservable), m_pCtrl(pCtrl) {}
    ~LogMediator() override { m_pCtrl->m_pLog->append(m_pCtrl->IsDestructing() ? "~dtor" : "~"); }
    bool InsertChildAllowed(TreeItem* pChild) override
    {
        return NodeMediator::InsertChildAllowed(pChild) && pChild->GetName() != m_pCtrl->m_sRefused;
    }
    LogCtrl* m_pCtrl;
};

Mediator* LogCtrl::CreateMediator(Observable* pObservable)
{
    return new LogMediator(this, pObservable);
}

// A tree built from text, with an observer on every item that logs "<path>:<code>" and
// checks on each deletion notice that the item still stands whole in its parent. Runs
// steps on it ("verb item argument...", items by path, "." the root) and logs a refusal as
// "=no", an item answered as "=<path>". "@item " before a step makes that item's observer
// the originator; "on item code step, step" runs the steps the first time it is told so.
// Tree watchers made by "watch item" log their reports as "<path>:w1" (modified) or ":w0";
// "mediate item" gives the item a mediator of the scene's LogCtrl.
class Scene
{
public:
    explicit Scene(const QString& sTree)
    {
        ValueTreeText::Build(m_pRoot.get(), sTree);
        Attach(m_pRoot.get());
    }

    TreeItem* Item(const QString& sPath) const
    {
        return sPath == QLatin1String(".") ? m_pRoot.get() : m_pRoot->GetItem(sPath);
    }

    void Run(const QString& sStep)
    {
        QStringList w = sStep.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        IObserver* pBy = nullptr;
        if (w.value(0).startsWith(QLatin1Char('@')))
            pBy = m_mapObservers.at(Key(w.takeFirst().mid(1))).get();
        const QString sVerb = w.value(0);
        if (sVerb == QLatin1String("on"))
        {
            m_sTrigger = Key(w[1]) + QLatin1Char(':') + w[2];
            m_sReaction = w.mid(3).join(QLatin1Char(' '));
            return;
        }
        if (sVerb == QLatin1String("[") || sVerb == QLatin1String("("))
        {
            m_vecOpen.emplace_back(new VtTransaction(sVerb == QLatin1String("[")));
            return;
        }
        if (sVerb == QLatin1String("ctrl") && w[1] == QLatin1String("clear"))
            return Ctrl()->Clear();
        if (sVerb == QLatin1String("ctrl"))
            return m_pCtrl.reset();
        if (sVerb == QLatin1String("mediators"))
            return void(log << QStringLiteral("=%1").arg(Ctrl()->GetMediatorCount()));
        if (QStringList{"unwatch", "watched", "modified", "reset", "report"}.contains(sVerb))
        {
            const auto it =
                std::find_if(m_vecWatches.begin(), m_vecWatches.end(),
                             [&](const std::unique_ptr<Watch>& p) { return p->m_sKey == Key(w[1]); });
            TreeWatcher& watcher = (*it)->m_watcher;
            Node* pWatched = watcher.GetNode();
            if (sVerb == QLatin1String("watched"))
                log << QLatin1Char('=') + (pWatched ? pWatched->GetPathName() : QStringLiteral("null"));
            else if (sVerb == QLatin1String("modified"))
                log << (watcher.IsModified() ? QStringLiteral("=yes") : QStringLiteral("=no"));
            else if (sVerb == QLatin1String("reset"))
                watcher.SetbModified(false);
            else if (sVerb == QLatin1String("report"))
                watcher.NotifyModified(w.size() > 2 ? Item(w[2]) : nullptr, 0);
            else
                m_vecWatches.erase(it);
            return;
        }
        if (sVerb == QLatin1String("]") || sVerb == QLatin1String(")"))
        {
            // Out of the list before it closes: telling may open and close others.
            std::unique_ptr<VtTransaction> pClosing = std::move(m_vecOpen.back());
            m_vecOpen.pop_back();
            return;
        }
        const auto answer = [this](bool bOk)
        { log += bOk ? QStringList() : QStringList{QStringLiteral("=no")}; };
        const auto path = [this](TreeItem* p) { log << QLatin1Char('=') + (p ? p->GetPathName() : "null"); };
        TreeItem* pItem = Item(w.value(1));
        QVERIFY2(pItem, qPrintable(sStep));
        Node* pNode = pItem->AsNode();
        TreeItem* pOther = w.size() > 2 ? Item(w[2]) : nullptr;
        const int nIndex = w.value(3, QStringLiteral("-1")).toInt();
        if (sVerb == QLatin1String("add") || sVerb == QLatin1String("uniq"))
        {
            auto* pNew = new ValueString(w[2] == QLatin1String("~") ? QString() : w[2], nullptr);
            const bool bOk = sVerb == QLatin1String("add") ? pNode->AddItem(pNew, pBy, nIndex)
                                                           : pNode->AddItemUnique(pNew, pBy, nIndex);
            if (!bOk)
                delete pNew;
            answer(bOk);
        }
        else if (sVerb == QLatin1String("move"))
            answer(pOther->AsNode()->AddItem(pItem, pBy, nIndex));
        else if (sVerb == QLatin1String("umove"))
            answer(pOther->AsNode()->AddItemUnique(pItem, pBy, nIndex));
        else if (sVerb == QLatin1String("name"))
            answer(pItem->SetName(w[2], pBy, w.value(3) == QLatin1String("u")));
        else if (sVerb == QLatin1String("order"))
        {
            std::vector<TreeItem*> vecOrder;
            for (const QString& s : w.mid(2))
                vecOrder.push_back(s.toInt() < 0 ? &m_foreign : pNode->GetTreeItems()[s.toUInt()]);
            answer(pNode->ReorderChildren(vecOrder, pBy));
        }
        else if (sVerb == QLatin1String("take"))
        {
            TreeItem* pTaken = pNode->TakeItem(pOther, pBy);
            m_vecTaken.emplace_back(pTaken);
            path(pTaken);
        }
        else if (sVerb == QLatin1String("node"))
            path(pItem->AddNode(w.value(2)));
        else if (sVerb == QLatin1String("find")) // from the item, a node, value or item by path
        {
            const QString sPath = w.value(3);
            TreeItem* pFound = w[2] == QLatin1String("node")    ? pItem->GetNode(sPath)
                               : w[2] == QLatin1String("value") ? pItem->GetValue(sPath)
                                                                : pItem->GetItem(sPath);
            path(pFound);
            QVERIFY(!pFound || pFound->GetPathName_NoSlashForRoot() ==
                                   (pFound->GetParentNode() ? log.last().mid(1) : ""));
        }
        else if (sVerb == QLatin1String("copynode"))
            path(pNode->CopyChildNode(pOther->AsNode(), pBy));
        else if (sVerb == QLatin1String("copy"))
            pNode->Copy(pOther->AsNode(), pBy);
        else if (sVerb == QLatin1String("merge"))
            pNode->Merge(pOther->AsNode(), pBy);
        else if (sVerb == QLatin1String("mediate"))
            new LogMediator(Ctrl(), pItem);
        else if (sVerb == QLatin1String("refuse"))
            Ctrl()->m_sRefused = w[1];
        else if (sVerb == QLatin1String("update"))
            MediatorOf(pItem)->UpdateViewItemChildListRecursive();
        else if (sVerb == QLatin1String("mediator"))
            log << (MediatorOf(pItem) ? QStringLiteral("=yes") : QStringLiteral("=no"));
        else if (sVerb == QLatin1String("mparent"))
            path(MediatorOf(pItem)->GetParent()->GetTreeItem());
        else if (sVerb == QLatin1String("insert")) // answers whether the mediator is the one there was
        {
            LogMediator* pBefore = MediatorOf(pOther);
            Mediator* pMade = MediatorOf(pItem)->InsertTreeItemChild(pOther);
            log << (!pMade ? QStringLiteral("=null") : pMade == pBefore ? QStringLiteral("=same") : "=new");
        }
        else if (sVerb == QLatin1String("unmediate"))
            delete MediatorOf(pItem);
        else if (sVerb == QLatin1String("mdel"))
            MediatorOf(pItem)->DeleteTreeItem();
        else if (sVerb == QLatin1String("observers"))
            log << QStringLiteral("=%1").arg(pItem->CountObservers());
        else if (sVerb == QLatin1String("cvalue")) // registers the viewer
        {
            try
            {
                path(TreeItemMediatorCtrl::CreateValue(pNode, &g_vdMedFreq, &m_viewer));
            }
            catch (const KVException& e)
            {
                log << QLatin1Char('=') + e.GetMessage() + QStringLiteral(" in ") + e.GetFunction();
            }
        }
        else if (sVerb == QLatin1String("watch"))
            m_vecWatches.emplace_back(new Watch(this, Key(w[1]), pNode));
        else if (sVerb == QLatin1String("state")) // a CC_STATE not of a deletion
        {
            m_bSettingState = true;
            pItem->AsValue()->SetState(w[2].toInt(), pBy);
            m_bSettingState = false;
        }
        else if (sVerb == QLatin1String("commit"))
            pItem->Commit(pBy);
        else if (sVerb == QLatin1String("set"))
            answer(pItem->AsValue()->SetAsString(w[2], pBy));
        else if (sVerb == QLatin1String("text") && w.size() > 2)
            pItem->SetAsStdString(w[2].toStdString(), pBy);
        else if (sVerb == QLatin1String("text"))
            log << QLatin1Char('=') + QString::fromStdString(pItem->GetAsStdString());
        else if (sVerb == QLatin1String("clone"))
            answer(pOther->AsNode()->AddItem(pItem->Clone(), pBy));
        else if (sVerb == QLatin1String("type"))
        {
            if (w.size() > 2)
                pNode->SetValueDescriptor(ValueDescriptor::Find(w[2]), pBy);
            log << QLatin1Char('=') + pNode->GetValueDescriptor()->Name();
        }
        else if (sVerb == QLatin1String("del"))
            pItem->GetParentNode()->DeleteItem(pItem, pBy);
        else if (sVerb == QLatin1String("free") && pItem == m_pRoot.get())
            m_pRoot.reset();
        else if (sVerb == QLatin1String("free"))
            delete pItem;
        else if (sVerb == QLatin1String("clear"))
            pNode->DeleteChildren(pBy);
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + sStep));
    }

    // Every child stands at its index and is found by its name.
    static bool Consistent(const Node* pNode)
    {
        for (int i = 0; i < pNode->GetChildCount(); ++i)
        {
            TreeItem* pChild = pNode->GetTreeItems()[size_t(i)];
            if (pNode->IndexOf(pChild) != i || pNode->GetChildValueItem(pChild->GetName()) != pChild ||
                pChild->GetParentNode() != pNode || (pChild->AsNode() && !Consistent(pChild->AsNode())))
                return false;
        }
        return true;
    }

    RecordingObserver m_viewer{QStringLiteral("viewer")}; // outlives the tree
    std::unique_ptr<Node> m_pRoot{new Node(QString())};
    ValueString m_foreign{QStringLiteral("f"), nullptr};
    std::vector<std::unique_ptr<TreeItem>> m_vecTaken;
    std::vector<std::unique_ptr<VtTransaction>> m_vecOpen;
    QStringList log;
    QStringList listBroken;
    std::unique_ptr<LogCtrl> m_pCtrl;

private:
    struct Watch : IModifyObserver
    {
        Watch(Scene* pScene, const QString& sKey, Node* pNode)
            : m_pScene(pScene), m_sKey(sKey), m_watcher(this, pNode)
        {
        }
        void NotifyModified(bool bModified) override
        {
            m_pScene->log << m_sKey + (bModified ? QStringLiteral(":w1") : QStringLiteral(":w0"));
            m_pScene->Told(m_pScene->log.last());
        }
        Scene* m_pScene;
        QString m_sKey;
        TreeWatcher m_watcher;
    };

    LogCtrl* Ctrl()
    {
        if (!m_pCtrl)
            m_pCtrl.reset(new LogCtrl(&log));
        return m_pCtrl.get();
    }
    LogMediator* MediatorOf(TreeItem* pItem) { return static_cast<LogMediator*>(Ctrl()->GetMediator(pItem)); }

    // Runs the reaction when sEntry is the one awaited.
    void Told(const QString& sEntry)
    {
        if (sEntry != m_sTrigger)
            return;
        m_sTrigger.clear();
        for (const QString& sStep : m_sReaction.split(QLatin1Char(',')))
            Run(sStep);
    }

    static QString Key(const QString& sPath)
    {
        return sPath == QLatin1String(".") ? QStringLiteral("/") : QLatin1Char('/') + sPath;
    }

    void Attach(TreeItem* pItem)
    {
        const QString sPath = pItem->GetPathName();
        RecordingObserver* pObserver = new RecordingObserver(sPath, &log);
        m_mapObservers[sPath].reset(pObserver);
        const bool bRoot = !pItem->GetParentNode();
        pObserver->SetReaction(
            [this, pItem, sPath, bRoot](RecordingObserver*, Observable*, TChangeCode code)
            {
                Node* pParent = pItem->GetParentNode();
                const bool bWhole =
                    bRoot || (pParent && pParent->GetChildValueItem(pItem->GetName()) == pItem);
                const bool bMarked =
                    pItem->AsValue() ? pItem->AsValue()->GetState() == VS_DELETE : pItem->IsDying();
                if ((code == CC_DELETING || (code == CC_STATE && !m_bSettingState)) && !(bWhole && bMarked))
                    listBroken << sPath;
                Told(sPath + QLatin1Char(':') + QString::number(code));
            });
        pObserver->Observe(pItem);
        if (Node* pNode = pItem->AsNode())
        {
            for (TreeItem* pChild : pNode->GetTreeItems())
                Attach(pChild);
        }
    }

    QString m_sTrigger;
    QString m_sReaction;
    bool m_bSettingState = false;
    std::vector<std::unique_ptr<Watch>> m_vecWatches;
    std::map<QString, std::unique_ptr<RecordingObserver>> m_mapObservers; // let go first
};

} // namespace

class TestTree : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("steps"); // separated by ";"
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("after"); // "*": not checked
        // Look-ups.
        Row("paths, relative and absolute", "A{B{v=1 C{}} w=2} x=3",
            "find A/B item /A/w; find A value B/v; find A/B node ..; find A/B/C value ../../w; find A item "
            "../..;"
            "find A/w node ../B; find . node A/w/..; find . node //A//./B/; find A/B/C node /",
            "=/A/w =/A/B/v =/A =/A/w =null =/A/B =/A =/A/B =/", "*");
        Row("empty paths, kinds, missing items", "A{B{v=1 C{}} w=2} x=3",
            "find A node; find A value; find A/w node; find A/w value; find . item x/y; find . item /A/B/Z/v;"
            "find . item a; find . node x; find . value A",
            "=/A =null =null =/A/w =null =null =null =null =null", "*");
        // Structure.
        Row("nodes made on the way", "A{B{} w=1}", "node A B; node A B/N/M; node A; node A ../P; node A /Q/R",
            "=/A/B /A/B:16 =/A/B/N/M =/A /:16 =/P /:16 =/Q/R", "A{B{N{M{}}} w=1} P{} Q{R{}}");
        Row("no node through a value", "A{w=1}", "node A w/Z; node A w; node A ../../X", "=null =null =null",
            "*");
        Row("unique names", "X= X_2=", "uniq . X; uniq . X; uniq . X_1; uniq . ~; uniq . ~",
            "/:16 /:16 /:16 /:16 /:16", "X= X_2= X_1= X_3= X_1_1= = _1=");
        Row("moved unique, told", "A{x=1} B{x=2}", "umove A/x B", "/A/x:17 /A:16 /B:16", "A{} B{x=2 x_1=1}");
        Row("a sibling replaced in its place", "a=1 b=2 c=3", "add . b", "/b:2 /:16", "a=1 b= c=3");
        Row("a sibling replaced at the end", "a=1 b=2 c=3", "add . b 2", "/b:2 /:16", "a=1 c=3 b=");
        Row("moved to another node", "A{x=1 y=2} B{z=3}", "move A/x B", "/A:16 /B:16", "A{y=2} B{z=3 x=1}");
        Row("moved with its subtree", "A{x=1 y=2} B{z=3}", "move B A", "/:16 /A:16", "A{x=1 y=2 B{z=3}}");
        Row("no move into itself", "A{x=1}", "move A A; move . A", "=no =no", "A{x=1}");
        Row("taken out", "A{x=1} y=2", "take . A/x; take . A; add . A", "=null /:16 =/ /:16", "y=2 A=");
        Row("renamed", "a=1 N{}", "name a z; find . item a; name N M u", "/a:17 /:16 =null /N:17 /:16",
            "z=1 M{}");
        Row("renamed unique", "a=1 b=2", "name a b u", "/a:17 /:16", "b_1=1 b=2");
        Row("names refused", "a=1 b=2", "name a b; name a x/y u; name a .. u; name a a", "=no =no =no",
            "a=1 b=2");
        Row("reordered", "a=1 b=2 c=3", "order . 2 0 1", "/:16", "c=3 a=1 b=2");
        Row("orders refused", "a=1 b=2 c=3", "order . 0 1 2; order . 0 0 1; order . 1 0; order . 0 1 -1",
            "=no =no =no", "a=1 b=2 c=3");
        Row("copied from another node", "T{x=1 N{y=2}} O{N{q=8} x=7}", "copy T O; set T/N_1/q 0", "/T:16",
            "T{x=1 N{y=2} N_1{q=0} x_1=7} O{N{q=8} x=7}");
        Row("copied into its own child", "x=1 N{y=2}", "copy N .", "/N:16", "x=1 N{y=2 x=1 N{y=2}}");
        Row("copied from its own child", "N{y=2}", "copy . N; copynode . N", "/:16 /:16 =/N_1",
            "N{y=2} y=2 N_1{y=2}");
        Row("typed", "X{}", "@. type X TreeTstDevice; type X TreeTstDevice; type X -",
            "/X:17 =TreeTstDevice =TreeTstDevice /X:17 /:16 =GenericNode", "X{}");
        Row("cloned deep and apart", "D{a:i=4 B{c:d=0.25 s=t}} T{}",
            "type D TreeTstDevice; text D own; clone D T; type T/D; text T/D; set T/D/a 5; set T/D/B/c x",
            "? =TreeTstDevice =TreeTstDevice =own =no", "D{a=4 B{c=0.25 s=t}} T{D{a=5 B{c=0.25 s=t}}}");
        // Deletion: every item below is told while all is whole, then the parent.
        const char* const pszDeleted = "A{v=1 B{w=2} x=3} y=4";
        Row("deleted", pszDeleted, "free A", "/A:18 /A/v:2 /A/B:18 /A/B/w:2 /A/x:2 /:16", "y=4");
        Row("DeleteItem", pszDeleted, "del A", "/A:18 /A/v:2 /A/B:18 /A/B/w:2 /A/x:2 /:16", "y=4");
        Row("DeleteChildren", pszDeleted, "clear A", "/A/v:2 /A/B:18 /A/B/w:2 /A/x:2 /A:16", "A{} y=4");
        Row("a value", pszDeleted, "free A/x", "/A/x:2 /A:16", "A{v=1 B{w=2}} y=4");
        Row("the root", "A{v=1} y=4", "free .", "/:18 /A:18 /A/v:2 /y:2", "");
        Row("the originator: told of the deletion, not the change", "A{} v=1", "@A del A; @. del v",
            "/A:18 /:16 /v:2", "");
        // Observers that change the tree while told of a deletion.
        const char* const pszTree = "P{A{v=1} B{w=2}} Q{}";
        Row("deletes the parent", pszTree, "on P/A 18 del P; del P/A", "?", "Q{}");
        Row("deletes the parent raw", pszTree, "on P/A/v 2 free P; free P/A", "?", "Q{}");
        Row("deletes the parent, during DeleteChildren", pszTree, "on P/B/w 2 free P; clear P", "?", "Q{}");
        Row("deletes the parent on its change notice", pszTree, "on P 16 del P; del P/A", "?", "Q{}");
        Row("deletes a sibling", pszTree, "on P/A 18 del P/B; del P/A", "?", "P{} Q{}");
        Row("deletes the sibling raw", pszTree, "on P/A 18 free P/B; free P/A", "?", "P{} Q{}");
        Row("deletes the item again", pszTree, "on P/A 18 del P/A; del P/A", "?", "P{B{w=2}} Q{}");
        Row("deletes a child being told", pszTree, "on P/A/v 2 del P/A/v; free P/A", "?", "P{B{w=2}} Q{}");
        Row("empties the parent", pszTree, "on P/A 18 clear P; free P/A", "?", "P{} Q{}");
        Row("clears the whole tree", pszTree, "on P/A 18 clear .; del P/A", "?", "");
        Row("deletes the parent while a child is told", "P{A{v=1 u=2} B{}}", "on P/A/v 2 free P; free P/A",
            "?", "");
        Row("adds to the dying node", pszTree, "on P/A 18 add P/A N; del P/A", "? =no", "P{B{w=2}} Q{}");
        Row("adds to the node being emptied", pszTree, "on P/A 18 add P N; clear P", "?", "P{N=} Q{}");
        Row("moves a child not yet told out", pszTree, "on P/A 18 move P/B Q; clear P", "?", "P{} Q{B{w=2}}");
        Row("moves the dying node", pszTree, "on P/A 18 move P/A Q; del P/A", "? =no", "P{B{w=2}} Q{}");
        Row("renames the dying node", pszTree, "on P/A 18 name P/A R; del P/A", "? =no", "P{B{w=2}} Q{}");
        // Transactions: a node is told once, when the outermost closes, unless it is silent.
        Row("three adds", "A{} B{}", "[; add A a; add A b; add A c; ]", "/A:16", "A{a= b= c=} B{}");
        Row("in the order of the first change", "A{} B{}", "[; add B a; add A a; add B b; ]", "/B:16 /A:16",
            "*");
        Row("nested", "A{} B{}", "[; add A a; [; add A b; add B b; ]; add A c; ]", "/A:16 /B:16", "*");
        Row("silent", "A{} B{}", "(; add A a; add B b; )", "", "A{a=} B{b=}");
        Row("silent inside, a change outside it", "A{} B{}", "[; (; add A a; ); add B b; ]", "/B:16", "*");
        Row("silent outside hides everything", "A{} B{}", "(; [; add A a; ]; add B b; )", "", "*");
        Row("after a transaction, at once again", "A{} B{}", "[; add A a; ]; add A b", "/A:16 /A:16", "*");
        Row("deleted meanwhile, not told", "A{B{}} C{}", "[; add A/B x; add C y; del A; ]",
            "/A:18 /A/B:18 /C:16 /:16", "C{y=}");
        Row("all by the originator", "A{} B{}", "[; @A add A a; @A add A b; @. add B b; ]", "/B:16", "*");
        Row("by the originator and another", "A{} B{}", "[; @A add A a; @B add A b; ]", "/A:16", "*");
        Row("by the originator and nobody", "A{} B{}", "[; @A add A a; add A b; ]", "/A:16", "*");
        Row("changes made while telling are told", "A{} B{} C{} D{}",
            "on A 16 add B b, [, add C c1, add C c2, del D, ]; [; add A a; add D d; ]",
            "/A:16 /B:16 /D:18 /C:16 /:16", "A{a=} B{b=} C{c1= c2=}");
        // Tree watchers see every change at or below their node, each once.
        const char* const pszW = "W{A{B{v=1 C{w=2}}}} out=0";
        Row("a value deep below", pszW, "watch W; set W/A/B/C/w 3", "? /W:w1", "*");
        Row("a value's state", pszW, "watch W; state W/A/B/v 5", "? /W:w1", "*");
        Row("a child added deep below", pszW, "watch W; add W/A/B/C N", "? /W:w1", "*");
        Row("a value renamed: the value and its node", pszW, "watch W; name W/A/B/v u", "? /W:w1 /W:w1", "*");
        Row("a value deleted: the value and its node", pszW, "watch W; free W/A/B/v", "? /W:w1 /W:w1", "*");
        Row("a node deleted with a value", pszW, "watch W; del W/A/B/C", "? /W:w1 /W:w1 /W:w1", "*");
        Row("the watched node renamed", pszW, "watch W; name W R", "? /W:w1", "*");
        Row("committed in place", pszW, "watch W; commit W/A/B/v", "? /W:w1", "*");
        Row("not outside, nor without a change", pszW,
            "watch W; set out 1; add . X; set W/A/B/v 1; modified W", "? =no", "*");
        Row("nested and twin watchers", pszW, "watch W; watch W/A/B; watch W/A/B; set W/A/B/v 2",
            "? /W/A/B:w1 /W/A/B:w1 /W:w1", "*");
        Row("flags", pszW, "watch W; reset W; report W; modified W; report W W/A/B/v; modified W; reset W",
            "? /W:w0 /W:w0 =no /W:w1 =yes /W:w0", "*");
        Row("the watched node deleted", pszW, "watch W/A; del W/A; watched W/A; modified W/A; node . W/A/X",
            "? /W/A:w1 =null =yes =/W/A/X", "*");
        Row("its parent deleted", pszW, "watch W/A; del W; watched W/A; node . W/A/X",
            "? /W/A:w1 =null =/W/A/X", "*");
        Row("emptied from above", pszW, "watch W/A; clear .; watched W/A; node . W/A/X",
            "? /W/A:w1 =null =/W/A/X", "*");
        Row("watchers deleted while told", pszW,
            "watch W/A/B; watch W; watch W; on W/A/B w1 unwatch W/A/B, unwatch W; set W/A/B/v 2; set W/A/B/v "
            "3",
            "? /W/A/B:w1 /W:w1 /W:w1", "*");
        Row("a watcher made for a dying node", pszW, "on W/A 18 watch W/A; del W/A; watched W/A", "? =null",
            "*");
        // Mediators: their items' nodes get them, and they go with their items or controller.
        Row("mediators for the nodes below, once", "A{B{v=1 D{}} C{}} w=2 X{Y{}}",
            "refuse X; mediate .; update .; mediators; mparent A/B/D; mediator w; mediator X/Y; node A/C E; "
            "update .; mediators; insert . A; insert . w; mediators; del A; mediators",
            "? =5 =/A/B =no =no =/A/C/E =6 =same =null =6 ~ gone ~ gone ~ gone ~ gone ~ gone =1", "*");
        const char* const pszM = "N{x=1} v=2";
        Row("with its node", pszM, "mediate N; observers N; del N; mediators", "? =2 ~ gone =0", "v=2");
        Row("with its value", pszM, "mediate v; del v; mediators", "? ~ gone =0", "N{x=1}");
        Row("deleting its item", pszM, "mediate N; mdel N; mediators", "? ~ gone =0", "v=2");
        Row("the controller clears", pszM, "mediate N; ctrl clear; mediator N; observers N",
            "? ~ gone =no =1", "*");
        Row("the controller goes", pszM, "mediate N; ctrl free; observers N", "? ~dtor =1", "*");
        Row("deleted directly", pszM, "mediate N; unmediate N; mediator N; observers N", "? ~ gone =no =1",
            "*");
        Row("the controller cleared while told of a deletion", "N{A{} B{}}",
            "mediate N; update N; mediators; on N 18 ctrl clear; del N; mediators",
            "? =3 ~ gone ~ gone ~ gone =0", "");
        Row("a value made with its typed node", "", "cvalue .; observers Attr/Freq; type Attr",
            "? =/Attr/Freq =1 =MedAttr", "Attr{Freq=5}");
        Row("a value found", "Attr{Freq:d=7}", "cvalue .; observers Attr/Freq", "? =/Attr/Freq =2", "*");
        Row("a node in the value's place", "Attr{Freq{}}", "cvalue .",
            "? =Wrong type assumed for /Attr/Freq. in "
            "CreateValue",
            "*");
        Row("a value on the way", "Attr=1", "cvalue .",
            "? =Wrong type assumed for /Attr/Freq. in CreateValue", "*");
        // Merge: the source is never changed.
        Row("merged values take the source's text", "T{a=1 b=2} S{a=9}", "merge T S", "?",
            "T{a=9 b=2} S{a=9}");
        Row("nodes merge by name", "T{C{d=3 e=4}} S{C{d=5 f=6}}", "merge T S", "?",
            "T{C{d=5 e=4 f=6}} S{C{d=5 f=6}}");
        Row("a node replaces a value", "T{a=1 z=0} S{a{q=1}}", "merge T S", "?", "T{a{q=1} z=0} S{a{q=1}}");
        Row("a text a number refuses leaves it", "T{n:i=1} S{n=abc}", "merge T S", "?", "T{n=1} S{n=abc}");
    }
    void steps()
    {
        QFETCH(QString, tree);
        QFETCH(QString, steps);
        QFETCH(QString, log);
        QFETCH(QString, after);
        Scene scene(tree);
        for (const QString& sStep : steps.split(QLatin1Char(';')))
        {
            scene.Run(sStep);
            QCOMPARE(VtTransaction::IsOpen(), !scene.m_vecOpen.empty());
        }
        // "?" first: all but the observers' notices count.
        if (log.startsWith(QLatin1Char('?')))
            scene.log = scene.log.filter(QRegularExpression(QStringLiteral("^(?!/.*:\\d+$)")));
        QCOMPARE(scene.log.join(QLatin1Char(' ')), log.remove(QRegularExpression(QStringLiteral("^\\? ?"))));
        QCOMPARE(scene.listBroken, QStringList());
        if (after != QLatin1String("*"))
            QCOMPARE(scene.m_pRoot ? ValueTreeText::Dump(scene.m_pRoot.get()) : QString(), after);
        QVERIFY(!scene.m_pRoot || scene.Consistent(scene.m_pRoot.get()));
    }

    void manyUniqueNamesStayDistinct()
    {
        // Names freed in between must not make the fresh-name search hand out a taken name.
        Node node(QStringLiteral("N"));
        for (int i = 0; i < 600; ++i)
        {
            if (i == 300)
                node.DeleteItem(node.GetChildValueItem(QStringLiteral("F_7")));
            if (i == 300)
                node.AddItem(new Node(QStringLiteral("F_300")));
            node.AddItemUnique(new Node(QStringLiteral("F")));
        }
        QVERIFY(Scene::Consistent(&node)); // no name twice
        QCOMPARE(node.GetChildCount(), 600);
    }
};

QTEST_APPLESS_MAIN(TestTree)
#include "tst_tree.moc"
