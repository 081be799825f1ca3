// Pastes arbitrary clipboard text as the operator's Paste does, into the frequency editor on a
// fresh frequency list or into the parameter editor on a fresh device; the text decides which
// reader runs (value-tree document, tab-separated list, frequency store list). The first byte
// chooses the editor, what the target holds before and the answer to the replace question; the
// rest is the clipboard text. A paste that reports failure as a whole must leave the tree as it
// was, and the frequency editor must show one row per definition. Any crash, hang, leak or
// sanitizer report is a finding.

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/parameterview.h"
#include "dravinelcontrols/parameterviewctrl.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "kvbase/errorhandler.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vtxml.h"

#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace DravinelDefinition;

namespace
{

QStringList g_listMessages;
bool g_bReplace = false;
FrequencyView* g_pFrequencyView = nullptr;
ParameterView* g_pParameterView = nullptr;

void Check(bool bCondition, const char* pszWhat)
{
    if (!bCondition)
    {
        std::fprintf(stderr, "fuzz_frequencypaste: %s\n", pszWhat);
        for (const QString& sMessage : g_listMessages)
            std::fprintf(stderr, "  message: %s\n", qPrintable(sMessage));
        std::abort();
    }
}

values::IDynamicRules* Rules(const values::ValueDescriptor* pDescriptor)
{
    return DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1)->GetRulesMap().Find(pDescriptor);
}

// The parameter editor with its questions and messages answered here instead of in boxes.
class AnsweringParameterViewCtrl : public ParameterViewCtrl
{
public:
    using ParameterViewCtrl::ParameterViewCtrl;

protected:
    bool ShouldDelete(values::Node* /*pNode*/) override { return g_bReplace; }
    void ShowInformation(const QString& sText) override { g_listMessages << sText; }
};

class AnsweringParameterView : public ParameterView
{
public:
    using ParameterView::ParameterView;

protected:
    ParameterViewCtrl* MakeCtrl() override { return new AnsweringParameterViewCtrl(this); }
};

// A root of its own in the process-wide tree, gone with its subtree at the end of the input.
class SmallTree
{
public:
    SmallTree() : m_pRoot(new values::Node(QStringLiteral("FuzzRoot"), &g_vdNodeRoot))
    {
        values::Tree::Instance()->GetRoot()->AddItem(m_pRoot);
        m_spAlive = m_pRoot->GetAliveFlag();
    }
    ~SmallTree()
    {
        if (*m_spAlive)
            m_pRoot->GetParentNode()->DeleteItem(m_pRoot);
    }
    values::Node* Root() const { return m_pRoot; }
    QString Text() const { return *m_spAlive ? values::VtXml::ToXml(m_pRoot) : QString(); }

private:
    values::Node* m_pRoot;
    std::shared_ptr<const bool> m_spAlive;
};

bool ReportsFailure(const QString& sMessage)
{
    // "The node X in the clipboard could not be added" names one refused node of a document
    // whose other nodes were pasted; these messages say the paste as a whole failed.
    return sMessage.startsWith(QLatin1String("Paste Text Format Error:")) ||
           sMessage.endsWith(QLatin1String("The data in the clipboard could not be added!"));
}

void CheckUnchangedOnFailure(const SmallTree& tree, const QString& sBefore)
{
    for (const QString& sMessage : g_listMessages)
    {
        if (ReportsFailure(sMessage))
            Check(tree.Text() == sBefore, "a paste that failed changed the tree");
    }
}

// Loads the node into the editor and pastes the text; the node stays loaded for further checks.
template <class View>
void Paste(View* pView, values::Node* pNode, const SmallTree& tree, const QString& sText)
{
    const QString sBefore = tree.Text();
    pView->Load(pNode);
    QGuiApplication::clipboard()->setText(sText);
    pView->GetCtrl()->SlotPaste();
    CheckUnchangedOnFailure(tree, sBefore);
}

void PasteIntoFrequencyView(const QString& sText, int nDefinitions)
{
    SmallTree tree;
    auto* pFds = new values::Node(QStringLiteral("Fds"), &g_vdNodeFds);
    tree.Root()->AddItem(pFds);
    for (int n = 0; n < nDefinitions; ++n)
    {
        values::Node* pFd = Rules(&g_vdNodeFds)->CreateChild(pFds, &g_vdNodeFd, nullptr);
        pFd->GetValue(g_vdFStart.PathName().mid(1))->SetNumber(1e6 * (n + 1));
        pFd->GetValue(g_vdFStop.PathName().mid(1))->SetNumber(1e6 * (n + 1));
        pFd->GetValue(g_vdFName.PathName().mid(1))->SetAsString(QStringLiteral("Old%1").arg(n));
    }
    FrequencyView* pView = g_pFrequencyView;
    Paste(pView, pFds, tree, sText);
    int nShown = 0;
    for (values::TreeItem* pChild : pFds->GetTreeItems())
        nShown += FrequencyViewItem::AsDefinition(pChild) ? 1 : 0;
    Check(pView->rowCount() == nShown, "the rows do not match the definitions");
    pView->Unload();
}

void PasteIntoParameterView(const QString& sText, int nVariant)
{
    SmallTree tree;
    values::Node* pDevice = Rules(&g_vdNodeRoot)->CreateChild(tree.Root(), &g_vdNodeDev, nullptr);
    values::Node* pSet = pDevice->GetChildNode(&g_vdNodePar);
    // The device's set emptied, with one or two groups, or gone. (The full set the rules make
    // has a form of many editors per group: loading it would cost most of each input's time.)
    pSet->DeleteChildren();
    if (nVariant == 3)
        pDevice->DeleteItem(pSet);
    for (int n = 0; n < nVariant && nVariant < 3; ++n)
        Rules(&g_vdNodePar)->CreateChild(pSet, n == 0 ? &g_vdNodeDet : &g_vdNodeIf, nullptr);
    Paste(g_pParameterView, pDevice, tree, sText);
    g_pParameterView->Unload();
}

void DropMessage(QtMsgType eType, const QMessageLogContext& /*context*/, const QString& sText)
{
    if (eType == QtFatalMsg)
    {
        std::fprintf(stderr, "%s\n", qPrintable(sText));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*pnArgs*/, char*** /*pppszArgs*/)
{
    // libFuzzer reads its own arguments after this: the application gets none of them.
    static int s_nArgs = 1;
    static char s_szName[] = "fuzz_frequencypaste";
    static char* s_apszArgs[] = {s_szName, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(s_nArgs, s_apszArgs);
    qInstallMessageHandler(DropMessage);
    ErrorHandler::Instance()->SetSink([](const ErrorHandler::Report&) {});
    // The editors stay for the whole run and load each input's fresh nodes, as a host reuses
    // its views; building and showing them for every input would cost most of the time.
    g_pFrequencyView = new FrequencyView(nullptr, QStringLiteral("FrequencyView"));
    g_pFrequencyView->Init(nullptr);
    g_pParameterView = new AnsweringParameterView(nullptr, QStringLiteral("ParameterView"));
    g_pParameterView->Init(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    const uint8_t nChoice = pData[0];
    const QString sText = QString::fromUtf8(reinterpret_cast<const char*>(pData + 1), int(nSize - 1));
    g_listMessages.clear();
    g_bReplace = (nChoice & 2) != 0;
    const FrequencyViewCtrl::MessageSink previous = FrequencyViewCtrl::SetMessageSink(
        [](const QString& /*sTitle*/, const QString& sText) { g_listMessages << sText; });
    if (nChoice & 1)
        PasteIntoParameterView(sText, (nChoice >> 2) & 3);
    else
        PasteIntoFrequencyView(sText, (nChoice >> 2) & 3);
    FrequencyViewCtrl::SetMessageSink(previous);
    // Widgets that went with deleteLater go now, not at the end of the run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
