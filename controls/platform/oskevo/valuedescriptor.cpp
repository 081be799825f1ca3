#include "oskevo/valuedescriptor.h"

#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QHash>
#include <algorithm>

namespace values
{

namespace
{

// Descriptors are globals of many libraries, built during static initialisation in any
// order: the registry comes into being on first use and is never destroyed, so that a
// descriptor may register or leave at any time, even at exit.
struct Registry
{
    QHash<QString, std::vector<const ValueDescriptor*>> hashByName;
    QHash<QString, std::vector<const ValueDescriptor*>> hashNodesByItemName;
};

Registry& TheRegistry()
{
    static Registry* s_pRegistry = new Registry;
    return *s_pRegistry;
}

QString& TheBasePath()
{
    static QString* s_pBasePath = new QString;
    return *s_pBasePath;
}

QString FromC(const char* psz)
{
    return psz ? QString::fromUtf8(psz) : QString();
}

void RemoveFrom(QHash<QString, std::vector<const ValueDescriptor*>>& hash, const QString& sKey,
                const ValueDescriptor* pDescriptor)
{
    auto it = hash.find(sKey);
    if (it == hash.end())
        return;
    auto& vec = it.value();
    vec.erase(std::remove(vec.begin(), vec.end(), pDescriptor), vec.end());
    if (vec.empty())
        hash.erase(it);
}

// sPath without its last segment, and that segment.
void SplitLast(const QString& sPath, QString& sParent, QString& sLast)
{
    QString s = sPath;
    while (s.endsWith(QLatin1Char('/')))
        s.chop(1);
    const int nSlash = s.lastIndexOf(QLatin1Char('/'));
    sParent = nSlash < 0 ? QString() : s.left(nSlash);
    sLast = s.mid(nSlash + 1);
}

} // namespace

ValueDescriptor::ValueDescriptor(const char* pszName, const char* pszPathName, Kind eKind, const char* pszTip)
    : ValueDescriptor(pszName, pszPathName, eKind, pszTip, "", 1.0, 0, -1e300, 1e300, QVariant(), {})
{
}

ValueDescriptor::ValueDescriptor(const char* pszName, const char* pszPathName, Kind eKind, const char* pszTip,
                                 const char* pszUnit, double dStep, int nBasis, double dMin, double dMax,
                                 QVariant vDefault, std::vector<SelectionItem> vecItems)
    : m_sName(FromC(pszName)), m_sPathName(FromC(pszPathName)), m_eKind(eKind), m_sUnit(FromC(pszUnit)),
      m_dStep(dStep), m_nBasis(nBasis), m_dMin(dMin), m_dMax(dMax), m_vDefault(std::move(vDefault)),
      m_vecItems(std::move(vecItems)), m_sTip(FromC(pszTip))
{
    Registry& registry = TheRegistry();
    registry.hashByName[m_sName].push_back(this);
    if (m_eKind == KIND_NODE)
        registry.hashNodesByItemName[DefaultItemName()].push_back(this);
}

ValueDescriptor::~ValueDescriptor()
{
    Registry& registry = TheRegistry();
    RemoveFrom(registry.hashByName, m_sName, this);
    if (m_eKind == KIND_NODE)
        RemoveFrom(registry.hashNodesByItemName, DefaultItemName(), this);
}

ValueDescriptor ValueDescriptor::NodeType(const char* pszName, const char* pszPathName, const char* pszTip)
{
    return ValueDescriptor(pszName, pszPathName, KIND_NODE, pszTip, "", 1.0, 0, -1e300, 1e300, QVariant(),
                           {});
}

ValueDescriptor ValueDescriptor::Int(const char* pszName, const char* pszPathName, int nDefault,
                                     const char* pszUnit, int nMin, int nMax, const char* pszTip)
{
    return ValueDescriptor(pszName, pszPathName, KIND_INT, pszTip, pszUnit, 1.0, 0, double(nMin),
                           double(nMax), QVariant(nDefault), {});
}

ValueDescriptor ValueDescriptor::Double(const char* pszName, const char* pszPathName, double dDefault,
                                        const char* pszUnit, double dStep, int nBasis, double dMin,
                                        double dMax, const char* pszTip)
{
    return ValueDescriptor(pszName, pszPathName, KIND_DOUBLE, pszTip, pszUnit, dStep, nBasis, dMin, dMax,
                           QVariant(dDefault), {});
}

ValueDescriptor ValueDescriptor::String(const char* pszName, const char* pszPathName, const char* pszDefault,
                                        const char* pszTip)
{
    return ValueDescriptor(pszName, pszPathName, KIND_STRING, pszTip, "", 1.0, 0, -1e300, 1e300,
                           QVariant(FromC(pszDefault)), {});
}

ValueDescriptor ValueDescriptor::Bool(const char* pszName, const char* pszPathName, bool bDefault,
                                      const char* pszTip)
{
    return ValueDescriptor(pszName, pszPathName, KIND_BOOL, pszTip, "", 1.0, 0, -1e300, 1e300,
                           QVariant(bDefault), {});
}

ValueDescriptor ValueDescriptor::Selection(const char* pszName, const char* pszPathName,
                                           std::vector<SelectionItem> vecItems, int nDefaultKey,
                                           const char* pszUnit, int nBasis, const char* pszTip)
{
    return ValueDescriptor(pszName, pszPathName, KIND_SELECTION, pszTip, pszUnit, 1.0, nBasis, -1e300, 1e300,
                           QVariant(nDefaultKey), std::move(vecItems));
}

QString ValueDescriptor::DefaultItemName() const
{
    QString sParent;
    QString sLast;
    SplitLast(m_sPathName, sParent, sLast);
    return sLast.isEmpty() ? m_sName : sLast;
}

QString ValueDescriptor::Basis(int nBasis)
{
    switch (nBasis)
    {
    case -6:
        return QStringLiteral("a");
    case -5:
        return QStringLiteral("f");
    case -4:
        return QStringLiteral("p");
    case -3:
        return QStringLiteral("n");
    case -2:
        return QStringLiteral("u");
    case -1:
        return QStringLiteral("m");
    case 0:
        return QString();
    case 1:
        return QStringLiteral("k");
    case 2:
        return QStringLiteral("M");
    case 3:
        return QStringLiteral("G");
    case 4:
        return QStringLiteral("T");
    case 5:
        return QStringLiteral("P");
    case 6:
        return QStringLiteral("E");
    default:
        // No prefix exists: say the power plainly rather than drop it.
        return QStringLiteral("e%1").arg(3 * nBasis);
    }
}

TreeItem* ValueDescriptor::CreateItem(const QString& sName) const
{
    const QString sItemName = sName.isNull() ? DefaultItemName() : sName;
    switch (m_eKind)
    {
    case KIND_NODE:
        return new Node(sItemName, this);
    case KIND_INT:
        return new ValueNumeric<int>(sItemName, this);
    case KIND_DOUBLE:
        return new ValueNumeric<double>(sItemName, this);
    case KIND_STRING:
        return new Value<QString>(sItemName, this);
    case KIND_BOOL:
        return new Value<bool>(sItemName, this);
    case KIND_SELECTION:
        return new ValueSelection(sItemName, this);
    }
    return nullptr;
}

TreeItem* ValueDescriptor::Create(IObserver* pObserver) const
{
    // The base path is absolute; the descriptor's path continues it.
    Node* pRoot = Tree::Instance()->GetRoot();
    const QString& sBase = GetBasePath();
    Node* pBase = sBase.isEmpty() ? pRoot : ValueDescriptor::CreateNodeAbsolute(sBase, nullptr);
    if (!pBase)
        return nullptr;
    return CreateAt(pBase, pObserver);
}

TreeItem* ValueDescriptor::CreateAt(Node* pNode, IObserver* pObserver) const
{
    if (!pNode)
        return nullptr;
    // The descriptor's path is relative to the node even when written with a leading "/".
    QString sRelative = m_sPathName;
    while (sRelative.startsWith(QLatin1Char('/')))
        sRelative.remove(0, 1);
    TreeItem* pItem = sRelative.isEmpty() ? pNode->GetChildValueItem(m_sName) : pNode->GetItem(sRelative);
    if (!pItem)
    {
        QString sParent;
        QString sLast;
        SplitLast(sRelative, sParent, sLast);
        if (sLast.isEmpty())
            sLast = m_sName;
        if (sLast == QLatin1String(".") || sLast == QLatin1String(".."))
            return nullptr;
        Node* pParent = sParent.isEmpty() ? pNode : pNode->AddNode(sParent);
        if (!pParent)
            return nullptr;
        pItem = CreateItem(sLast);
        if (!pParent->AddItem(pItem))
        {
            delete pItem; // the parent is being deleted
            return nullptr;
        }
    }
    if (pObserver)
        pItem->AddObserver(pObserver);
    return pItem;
}

Node* ValueDescriptor::CreateNodeAbsolute(const QString& sPath, IObserver* pObserver)
{
    Node* pRoot = Tree::Instance()->GetRoot();
    Node* pNode = pRoot->AddNode(sPath.startsWith(QLatin1Char('/')) ? sPath : QLatin1Char('/') + sPath);
    if (pNode && pObserver)
        pNode->AddObserver(pObserver);
    return pNode;
}

void ValueDescriptor::SetBasePath(const QString& sPath)
{
    TheBasePath() = sPath;
}

const QString& ValueDescriptor::GetBasePath()
{
    return TheBasePath();
}

const ValueDescriptor* ValueDescriptor::Find(const QString& sName)
{
    const Registry& registry = TheRegistry();
    auto it = registry.hashByName.find(sName);
    return it == registry.hashByName.end() || it.value().empty() ? nullptr : it.value().front();
}

const ValueDescriptor* ValueDescriptor::FindNodeByItemName(const QString& sItemName)
{
    const Registry& registry = TheRegistry();
    auto it = registry.hashNodesByItemName.find(sItemName);
    return it == registry.hashNodesByItemName.end() || it.value().empty() ? nullptr : it.value().front();
}

const ValueDescriptor* ValueDescriptor::GenericNode()
{
    // Never destroyed: nodes anywhere may still point to it while the process ends.
    static const ValueDescriptor* s_pGeneric = new ValueDescriptor("GenericNode", "/Node", KIND_NODE, "");
    return s_pGeneric;
}

} // namespace values
