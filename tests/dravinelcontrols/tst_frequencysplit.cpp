// The frequency list with its parameter pane: the pane follows the current row, goes when rows
// are deleted or definitions suppressed, comes back, and its edits reach the host.
#include "common/parametereditortools.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/frequencyviewsplitctrl.h"
#include "oskevo/value.h"
#include "tolveth/genericview.h"
#include "tolveth/genericviewctrl.h"
#include "tolveth/genericviewitem.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace ParameterEditorTools;
using namespace DravinelDefinition;

namespace
{
// A frequency list below the device's job, one definition per token: "-" without parameter
// set, group names joined by '+' ("Det+If") for a set with those groups, "S:" in front for a
// suppressed definition.
class FrequencyList
{
public:
    explicit FrequencyList(const QString& sTokens)
    {
        values::Node* pDcs = Rules(&g_vdNodeDcd)->CreateChild(m_tree.Dcd(), &g_vdNodeDcs, nullptr);
        m_pFds = Rules(&g_vdNodeDcs)->CreateChild(pDcs, &g_vdNodeFds, nullptr);
        for (QString sToken : sTokens.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        {
            values::Node* pFd = Rules(&g_vdNodeFds)->CreateChild(m_pFds, &g_vdNodeFd, nullptr);
            const double dFrequency = 100e6 + 1e6 * double(m_vecFds.size());
            pFd->GetValue(QStringLiteral("FdAttr/FStart"))->SetNumber(dFrequency);
            pFd->GetValue(QStringLiteral("FdAttr/FStop"))->SetNumber(dFrequency);
            if (sToken.startsWith(QLatin1String("S:")))
            {
                SetSuppressed(pFd, true);
                sToken = sToken.mid(2);
            }
            if (sToken != QLatin1String("-"))
                SetGroups(pFd, sToken.split(QLatin1Char('+')).join(QLatin1Char(' ')));
            m_vecFds.push_back(pFd);
        }
    }

    static void SetSuppressed(values::Node* pFd, bool bSuppressed)
    {
        static_cast<values::ValueBool*>(pFd->GetValue(QStringLiteral("FdAttr/FSupp")))->SetValue(bSuppressed);
    }

    values::Node* Fds() const { return m_pFds; }
    values::Node* Fd(int n) const { return m_vecFds.at(size_t(n)); }

private:
    DeviceTree m_tree;
    values::Node* m_pFds;
    std::vector<values::Node*> m_vecFds;
};

// The split view in a display area, as the device tree shows it.
class SplitEditor
{
public:
    explicit SplitEditor(IAliasMap* pAliasMap)
    {
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
    FrequencyViewSplit* Split() const { return m_pSplit; }
    FrequencyView* Table() const { return m_pSplit->GetFrequencyView(); }
    ParameterView* Pane() const { return m_pSplit->GetParameterView(); }

    void ClickCell(int nRow, int nCol)
    {
        const QRect rect = Table()->visualItemRect(Table()->item(nRow, nCol));
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    // Right click on a row and the menu entry chosen once the menu is up.
    void ChooseFromRowMenu(int nRow, const QString& sEntry)
    {
        QTimer::singleShot(0,
                           [sEntry]()
                           {
                               auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                               if (!pMenu)
                                   return;
                               for (QAction* pAction : pMenu->actions())
                                   if (pAction->text() == sEntry)
                                       QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier,
                                                         pMenu->actionGeometry(pAction).center());
                               pMenu->close();
                           });
        const QPoint pos = Table()->visualItemRect(Table()->item(nRow, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, Table()->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(Table()->viewport(), &event);
    }

    // "" without pane, "<definition>" for a pane over the definition itself, else the tab texts.
    QString PaneShows(values::Node* pFd) const
    {
        if (!Pane())
            return QString();
        if (Pane()->parentWidget() != m_pSplit->GetParameterViewArea())
            return QStringLiteral("<elsewhere>");
        if (Pane()->GetCtrl()->GetNode() == pFd)
            return QStringLiteral("<definition>");
        if (Pane()->GetCtrl()->GetNode() != pFd->GetChildNode(&g_vdNodePar))
            return QStringLiteral("<another node>");
        return TabTexts(Pane()).join(QLatin1Char('|'));
    }

private:
    QWidget m_host;
    FrequencyViewSplit* m_pSplit;
};
} // namespace

class TstFrequencySplit : public QObject
{
    Q_OBJECT

private slots:
    void paneFollowsCurrentRow_data();
    void paneFollowsCurrentRow();
    void rowDeletionRemovesPane_data();
    void rowDeletionRemovesPane();
    void suppressionRemovesPane_data();
    void suppressionRemovesPane();
    void paneEditsReachHost_data();
    void paneEditsReachHost();

private:
    AliasSetup m_aliases;
};

void TstFrequencySplit::paneFollowsCurrentRow_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<bool>("samePane");

    QTest::newRow("first row shown at once, clicked again") << "Det - If"
                                                            << "Detection" << 0 << 0 << "Detection" << true;
    QTest::newRow("another column of the current row") << "Det - If"
                                                       << "Detection" << 0 << 2 << "Detection" << true;
    QTest::newRow("another row") << "Det - If"
                                 << "Detection" << 2 << 0 << "IF" << false;
    QTest::newRow("row without parameter set")
        << "Det+Demod - If"
        << "Detection|Demodulation" << 1 << 2 << "<definition>" << false;
    QTest::newRow("suppressed row") << "Det S:If"
                                    << "Detection" << 1 << 0 << "" << false;
    QTest::newRow("suppressed first row, then a free one") << "S:Det If+Det"
                                                           << "" << 1 << 0 << "Detection|IF" << false;
    QTest::newRow("suppressed first row, other column") << "S:Det If"
                                                        << "" << 0 << 2 << "" << false;
}

void TstFrequencySplit::paneFollowsCurrentRow()
{
    QFETCH(QString, list);
    QFETCH(QString, atStart);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, shows);
    QFETCH(bool, samePane);

    FrequencyList fds(list);
    SplitEditor editor(m_aliases.Map());
    editor.Split()->Init(fds.Fds());
    QVERIFY(editor.Show());
    QCOMPARE(editor.Table()->rowCount(), list.split(QLatin1Char(' ')).size());
    QCOMPARE(editor.PaneShows(fds.Fd(0)), atStart);

    QPointer<ParameterView> pBefore = editor.Pane();
    editor.ClickCell(row, col);

    QCOMPARE(editor.PaneShows(fds.Fd(row)), shows);
    // One pane at a time: a pane for another row replaces the old one.
    QCOMPARE(pBefore.isNull(), !samePane);
    if (samePane)
        QCOMPARE(editor.Pane(), pBefore.data());
    // The whole row is selected, and no other.
    for (int nCol : {0, 2, 3})
        QVERIFY(editor.Table()->item(row, nCol)->isSelected());
    for (QTableWidgetItem* pCell : editor.Table()->selectedItems())
        QCOMPARE(pCell->row(), row);
}

void TstFrequencySplit::rowDeletionRemovesPane_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("byMenu");

    QTest::newRow("current row deleted with the menu") << 1 << 1 << true;
    QTest::newRow("last row deleted with the menu") << 2 << 2 << true;
    QTest::newRow("row below the current deleted elsewhere") << 0 << 2 << false;
    QTest::newRow("row above the current deleted elsewhere") << 1 << 0 << false;
}

void TstFrequencySplit::rowDeletionRemovesPane()
{
    QFETCH(int, current);
    QFETCH(int, deleted);
    QFETCH(bool, byMenu);

    FrequencyList fds("Det If Demod");
    SplitEditor editor(m_aliases.Map());
    editor.Split()->Init(fds.Fds());
    QVERIFY(editor.Show());
    editor.ClickCell(current, 0);
    QPointer<ParameterView> pBefore = editor.Pane();
    QVERIFY(pBefore);

    if (byMenu)
        editor.ChooseFromRowMenu(deleted, QStringLiteral("&Delete Frequency"));
    else
        fds.Fds()->DeleteItem(fds.Fd(deleted));

    QCOMPARE(editor.Table()->rowCount(), 2);
    QVERIFY(!pBefore);
    // A pane that comes back at once belongs to the row that became current.
    const int nCurrent = editor.Table()->currentRow();
    if (editor.Pane())
        QCOMPARE(editor.Pane()->GetCtrl()->GetNode()->GetParentNode(),
                 editor.Split()->GetCtrl()->GetRowMediator(nCurrent)->GetNode());
    // Moving on within the current row shows its parameters.
    editor.ClickCell(nCurrent, 2);
    QVERIFY(editor.Pane());
    QCOMPARE(editor.Pane()->GetCtrl()->GetNode()->GetParentNode(),
             editor.Split()->GetCtrl()->GetRowMediator(nCurrent)->GetNode());
}

void TstFrequencySplit::suppressionRemovesPane_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("toggled");
    QTest::addColumn<QString>("whileSuppressed");
    QTest::addColumn<QString>("afterUnsuppress");

    QTest::newRow("current definition") << 0 << 0 << ""
                                        << "Detection";
    QTest::newRow("current definition without set") << 1 << 1 << ""
                                                    << "<definition>";
    QTest::newRow("another definition") << 0 << 2 << ""
                                        << "IF";
}

void TstFrequencySplit::suppressionRemovesPane()
{
    QFETCH(int, current);
    QFETCH(int, toggled);
    QFETCH(QString, whileSuppressed);
    QFETCH(QString, afterUnsuppress);

    FrequencyList fds("Det - If");
    SplitEditor editor(m_aliases.Map());
    editor.Split()->Init(fds.Fds());
    QVERIFY(editor.Show());
    editor.ClickCell(current, 0);
    QVERIFY(editor.Pane());

    FrequencyList::SetSuppressed(fds.Fd(toggled), true);
    QCOMPARE(editor.PaneShows(fds.Fd(current)), whileSuppressed);
    QCOMPARE(editor.Table()->item(toggled, 3)->text(), QStringLiteral("YES"));

    FrequencyList::SetSuppressed(fds.Fd(toggled), false);
    QCOMPARE(editor.PaneShows(fds.Fd(toggled)), afterUnsuppress);
}

void TstFrequencySplit::paneEditsReachHost_data()
{
    QTest::addColumn<bool>("observerAfterInit");
    QTest::addColumn<bool>("otherRowFirst");

    QTest::newRow("observer before init") << false << false;
    QTest::newRow("observer after init") << true << false;
    QTest::newRow("pane made again for another row") << false << true;
}

void TstFrequencySplit::paneEditsReachHost()
{
    QFETCH(bool, observerAfterInit);
    QFETCH(bool, otherRowFirst);

    FrequencyList fds("Det Det+If");
    HostObserver host;
    SplitEditor editor(m_aliases.Map());
    if (!observerAfterInit)
        editor.Split()->SetObserver(&host);
    editor.Split()->Init(fds.Fds());
    if (observerAfterInit)
        editor.Split()->SetObserver(&host);
    QVERIFY(editor.Show());
    if (otherRowFirst)
    {
        editor.ClickCell(1, 0);
        editor.ClickCell(0, 0);
    }
    host.Reset();
    QVERIFY(!editor.Split()->IsModified());

    values::Node* pDet = fds.Fd(0)->GetChildNode(&g_vdNodePar)->GetChildNode(&g_vdNodeDet);
    auto* pForm = editor.Pane()->widget(0)->findChild<GenericView*>();
    QVERIFY(pForm);
    auto* pSpin = qobject_cast<QAbstractSpinBox*>(
        pForm->GetCtrl()->GetViewItem(pDet->GetChildValue(&g_vdThreshold))->GetEditor());
    QVERIFY(pSpin);
    const double dBefore = Threshold(pDet);
    QTest::keyClick(pSpin, Qt::Key_Up);

    QVERIFY(Threshold(pDet) > dBefore);
    QVERIFY(host.WasToldModified());
    QVERIFY(editor.Split()->IsModified());
}

QTEST_MAIN(TstFrequencySplit)
#include "tst_frequencysplit.moc"
