// Feeds arbitrary text to the Vt document reader. Whatever it accepts must write and read
// back to the same text; whatever it refuses must leave the target node as it was. Any
// crash, hang, leak or sanitizer report is a finding.

#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/vtxml.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace values;

namespace
{

// Descriptors the seed documents name, so that typed nodes and values are reached.
const ValueDescriptor g_vdFuzzGroup = ValueDescriptor::NodeType("FuzzGroup", "/FuzzGroup");
const ValueDescriptor g_vdFuzzInt = ValueDescriptor::Int("FuzzInt", "/FuzzInt", 0, "", -1000, 1000);
const ValueDescriptor g_vdFuzzDouble =
    ValueDescriptor::Double("FuzzDouble", "/FuzzDouble", 0.0, "Hz", 1.0, 0, -1e300, 1e300);
const ValueDescriptor g_vdFuzzString = ValueDescriptor::String("FuzzString", "/FuzzString", "");
const ValueDescriptor g_vdFuzzBool = ValueDescriptor::Bool("FuzzBool", "/FuzzBool", false);
const ValueDescriptor g_vdFuzzSelection = ValueDescriptor::Selection(
    "FuzzSelection", "/FuzzSelection", {SelectionItem("AM", 0.0, 0), SelectionItem("FM", 1.0, 1)}, 0);

void Check(bool bCondition, const char* pszWhat)
{
    if (!bCondition)
    {
        std::fprintf(stderr, "fuzz_vtxml: %s\n", pszWhat);
        std::abort();
    }
}

void CheckNodeList(const QString& sText)
{
    std::unique_ptr<VtXml> pDocument;
    try
    {
        pDocument.reset(new VtXml(sText));
    }
    catch (const KVException&)
    {
        return;
    }
    const QString sWritten = pDocument->GetString();
    VtXml again(sWritten);
    Check(again.GetNodeCount() == pDocument->GetNodeCount(), "node count changed on the way back");
    Check(again.GetString() == sWritten, "node list changed on the way back");
    for (int i = 0; i <= pDocument->GetNodeCount(); ++i)
        delete pDocument->CreateNodeAt(i);
}

void CheckContent(const QString& sText)
{
    Node target(QStringLiteral("Target"), &g_vdFuzzGroup);
    target.AddItem(new ValueInt(QStringLiteral("Kept"), &g_vdFuzzInt, 7));
    target.SetAsStdString("kept text", nullptr);
    const QString sBefore = VtXml::ToXml(&target);
    try
    {
        VtXml::FromXml(&target, sText);
    }
    catch (const KVException&)
    {
        Check(VtXml::ToXml(&target) == sBefore, "a refused document changed the target");
        return;
    }
    const QString sWritten = VtXml::ToXml(&target);
    Node again(QStringLiteral("Again"));
    VtXml::FromXml(&again, sWritten);
    Check(VtXml::ToXml(&again) == sWritten, "content changed on the way back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QString sText = QString::fromUtf8(reinterpret_cast<const char*>(pData), int(nSize));
    CheckNodeList(sText);
    CheckContent(sText);
    return 0;
}
