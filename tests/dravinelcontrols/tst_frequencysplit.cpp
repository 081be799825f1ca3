// The frequency list with its parameter pane: the pane follows the current row, goes when rows
// are deleted or definitions suppressed, comes back, and its edits reach the host.
#include "common/datarow.h"
#include "common/parametereditortools.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/frequencyviewsplitctrl.h"
#include "oskevo/value.h"

#include <QPointer>
#include <QTest>

using namespace ParameterEditorTools;
using namespace DravinelDefinition;

namespace
{
void SetSuppressed(values::Node* pFd, bool bSuppressed)
{
    static_cast<values::ValueBool*>(pFd->GetValue(QStringLiteral("FdAttr/FSupp")))->SetValue(bSuppressed);
}

// A frequency list below the device's job, one single frequency per token: "-" without
// parameter set, groups joined by '+' ("Det+If") for a set with them, "S:" in front for a
// suppressed definition. Shown in a split view inside a display area.
class SplitFixture
{
public:
    SplitFixture(const QString& sTokens, IAliasMap* pAliasMap)
    {
        values::Node* pDcs = Rules(&g_vdNodeDcd)->CreateChild(m_tree.Dcd(), &g_vdNodeDcs, nullptr);
        m_pFds = Rules(&g_vdNodeDcs)->CreateChild(pDcs, &g_vdNodeFds, nullptr);
        for (QString sToken : sTokens.split(QLatin1Char(' ')))
        {
            values::Node* pFd = Rules(&g_vdNodeFds)->CreateChild(m_pFds, &g_vdNodeFd, nullptr);
            for (const char* pszPath : {"FdAttr/FStart", "FdAttr/FStop"})
                pFd->GetValue(QLatin1String(pszPath))->SetNumber(100e6 + 1e6 * double(m_vecFds.size()));
            if (sToken.startsWith(QLatin1String("S:")))
                SetSuppressed(pFd, true);
            sToken.remove(QLatin1String("S:"));
            if (sToken != QLatin1String("-"))
                SetGroups(pFd, sToken.split(QLatin1Char('+')).join(QLatin1Char(' ')));
            m_vecFds.push_back(pFd);
        }
        new QVBoxLayout(&m_host);
        m_pSplit = new FrequencyViewSplit(&m_host, QStringLiteral("Frequencies"));
        m_host.layout()->addWidget(m_pSplit);
        m_pSplit->SetAliasMap(pAliasMap);
        m_host.resize(800, 600);
    }

    bool Show()
    {
        m_host.show();
        return QTest::qWaitForWindowExposed(&m_host);
    }
    values::Node* Fds() const { return m_pFds; }
    values::Node* Fd(int n) const { return m_vecFds.at(size_t(n)); }
    FrequencyViewSplit* Split() const { return m_pSplit; }
    FrequencyView* Table() const { return m_pSplit->GetFrequencyView(); }
    ParameterView* Pane() const { return m_pSplit->GetParameterView(); }

    void ClickCell(int nRow, int nCol)
    {
        const QRect rect = Table()->visualItemRect(Table()->item(nRow, nCol));
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    // What the pane shows: "" without pane, "<definition>" over the definition itself (no
    // set), else the tabs of the definition's set.
    QString PaneShows(values::Node* pFd) const
    {
        if (!Pane())
            return QString();
        if (Pane()->parentWidget() != m_pSplit->GetParameterViewArea())
            return QStringLiteral("<elsewhere>");
        if (Pane()->GetCtrl()->GetNode() == pFd)
            return QStringLiteral("<definition>");
        return Pane()->GetCtrl()->GetNode() == pFd->GetChildNode(&g_vdNodePar)
                   ? TabTexts(Pane()).join('|')
                   : QStringLiteral("<another node>");
    }

private:
    DeviceTree m_tree;
    values::Node* m_pFds;
    std::vector<values::Node*> m_vecFds;
    QWidget m_host;
    FrequencyViewSplit* m_pSplit;
};
} // namespace

class TstFrequencySplit : public QObject
{
    Q_OBJECT
    Aliases m_aliases;

private slots:
    void paneFollowsCurrentRow_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("atStart");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<bool>("samePane");

        Row("another column of the first row", "Det - If", "Detection", 0, 2, "Detection", true);
        Row("another row", "Det - If", "Detection", 2, 0, "IF", false);
        Row("row without parameter set", "Det+Demod - If", "Detection|Demodulation", 1, 2, "<definition>",
            false);
        Row("suppressed row", "Det S:If", "Detection", 1, 0, "", false);
        Row("suppressed first row, then a free one", "S:Det If+Det", "", 1, 0, "Detection|IF", false);
    }

    void paneFollowsCurrentRow()
    {
        QFETCH(QString, list);
        QFETCH(QString, atStart);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, shows);
        QFETCH(bool, samePane);

        SplitFixture fixture(list, m_aliases.Map());
        fixture.Split()->Init(fixture.Fds());
        QVERIFY(fixture.Show());
        QCOMPARE(fixture.PaneShows(fixture.Fd(0)), atStart);

        QPointer<ParameterView> pBefore = fixture.Pane();
        fixture.ClickCell(row, col);

        QCOMPARE(fixture.PaneShows(fixture.Fd(row)), shows);
        // One pane at a time: one for another row replaces the old one.
        QCOMPARE(pBefore.isNull(), !samePane);
        if (samePane)
            QCOMPARE(fixture.Pane(), pBefore.data());
        // The whole row is selected, and no other.
        for (int nCol : {0, 2, 3})
            QVERIFY(fixture.Table()->item(row, nCol)->isSelected());
        for (QTableWidgetItem* pCell : fixture.Table()->selectedItems())
            QCOMPARE(pCell->row(), row);
    }

    void rowDeletionRemovesPane_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("deleted");

        Row("current row", 1, 1);
        Row("row below the current", 0, 2);
        Row("row above the current", 1, 0);
    }

    void rowDeletionRemovesPane()
    {
        QFETCH(int, current);
        QFETCH(int, deleted);

        SplitFixture fixture("Det If Demod", m_aliases.Map());
        fixture.Split()->Init(fixture.Fds());
        QVERIFY(fixture.Show());
        fixture.ClickCell(current, 0);
        QPointer<ParameterView> pBefore = fixture.Pane();
        QVERIFY(pBefore);

        // Another view deletes a definition.
        fixture.Fds()->DeleteItem(fixture.Fd(deleted));

        QCOMPARE(fixture.Table()->rowCount(), 2);
        QVERIFY(!pBefore);
        // A pane that comes back at once belongs to the row that became current; moving on within
        // the current row shows its parameters again.
        const int nCurrent = fixture.Table()->currentRow();
        values::Node* pCurrentFd = fixture.Split()->GetCtrl()->GetRowMediator(nCurrent)->GetNode();
        QVERIFY(!fixture.Pane() || fixture.Pane()->GetCtrl()->GetNode()->GetParentNode() == pCurrentFd);
        fixture.ClickCell(nCurrent, 2);
        QVERIFY(fixture.Pane());
        QCOMPARE(fixture.Pane()->GetCtrl()->GetNode()->GetParentNode(), pCurrentFd);
    }

    void suppression_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("toggled");
        QTest::addColumn<QString>("afterUnsuppress");

        Row("current definition", 0, 0, "Detection");
        Row("current definition without set", 1, 1, "<definition>");
        Row("another definition", 0, 2, "IF");
    }

    void suppression()
    {
        QFETCH(int, current);
        QFETCH(int, toggled);
        QFETCH(QString, afterUnsuppress);

        SplitFixture fixture("Det - If", m_aliases.Map());
        fixture.Split()->Init(fixture.Fds());
        QVERIFY(fixture.Show());
        fixture.ClickCell(current, 0);
        QVERIFY(fixture.Pane());

        // Another view marks a definition suppressed, then lifts it again.
        SetSuppressed(fixture.Fd(toggled), true);
        QVERIFY(!fixture.Pane());
        QCOMPARE(fixture.Table()->item(toggled, 3)->text(), QStringLiteral("YES"));
        SetSuppressed(fixture.Fd(toggled), false);
        QCOMPARE(fixture.PaneShows(fixture.Fd(toggled)), afterUnsuppress);
    }

    void paneEditsReachHost_data()
    {
        QTest::addColumn<bool>("observerAfterInit");

        Row("observer before init", false);
        Row("observer after init, pane made again", true);
    }

    void paneEditsReachHost()
    {
        QFETCH(bool, observerAfterInit);

        SplitFixture fixture("Det Det+If", m_aliases.Map());
        HostObserver host;
        if (!observerAfterInit)
            fixture.Split()->SetObserver(&host);
        fixture.Split()->Init(fixture.Fds());
        QVERIFY(fixture.Show());
        if (observerAfterInit)
        {
            fixture.Split()->SetObserver(&host);
            fixture.ClickCell(1, 0);
            fixture.ClickCell(0, 0);
        }
        QVERIFY(!host.WasToldModified());
        QVERIFY(!fixture.Split()->IsModified());

        QVERIFY(StepThreshold(fixture.Pane(),
                              fixture.Fd(0)->GetChildNode(&g_vdNodePar)->GetChildNode(&g_vdNodeDet)));
        QVERIFY(host.WasToldModified());
        QVERIFY(fixture.Split()->IsModified());
    }

    void reloadAndDeletionWhilePaneShown_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("paneAfter"); // what the pane shows of the other list's first row
        QTest::addColumn<int>("rows");

        Row("load another list", "load", "", 2);
        Row("init with another list", "init", "IF", 2);
        Row("unload", "unload", "", 0);
        Row("list deleted from elsewhere", "delete", "", 0);
    }

    void reloadAndDeletionWhilePaneShown()
    {
        QFETCH(QString, step);
        QFETCH(QString, paneAfter);
        QFETCH(int, rows);

        SplitFixture fixture("Det If Det+If", m_aliases.Map());
        SplitFixture other("If Det", m_aliases.Map());
        fixture.Split()->Init(fixture.Fds());
        QVERIFY(fixture.Show());
        fixture.ClickCell(1, 0);
        QPointer<ParameterView> pPane = fixture.Pane();
        QVERIFY(pPane);

        if (step == QLatin1String("load"))
            fixture.Split()->Load(other.Fds());
        else if (step == QLatin1String("init"))
            fixture.Split()->Init(other.Fds());
        else if (step == QLatin1String("unload"))
            fixture.Split()->Unload();
        else
            fixture.Fds()->GetParentNode()->DeleteItem(fixture.Fds());

        // The old row is no longer current and its parameters are gone.
        QVERIFY(!pPane);
        QCOMPARE(fixture.PaneShows(other.Fd(0)), paneAfter);
        QVERIFY(!fixture.Split()->GetCtrl()->GetCurrentItem() || !paneAfter.isEmpty());
        QCOMPARE(fixture.Table()->rowCount(), rows);
        QCOMPARE(fixture.Split()->IsLoaded(), rows > 0);
        if (step != QLatin1String("delete"))
        {
            // The first list's definitions change under another editor: nothing here hears of it.
            SetSuppressed(fixture.Fd(1), true);
            SetSuppressed(fixture.Fd(1), false);
            QCOMPARE(fixture.PaneShows(other.Fd(0)), paneAfter);
        }
        if (rows == 0)
            return;
        // The rows of the other list show their own parameters.
        fixture.ClickCell(1, 0);
        QCOMPARE(fixture.PaneShows(other.Fd(1)), QStringLiteral("Detection"));
        fixture.ClickCell(0, 2);
        QCOMPARE(fixture.PaneShows(other.Fd(0)), QStringLiteral("IF"));
    }
};

QTEST_MAIN(TstFrequencySplit)
#include "tst_frequencysplit.moc"
