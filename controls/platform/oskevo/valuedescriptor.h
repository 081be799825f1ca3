#pragma once

#include "oskevo/selectionitem.h"

#include <QString>
#include <QVariant>
#include <climits>
#include <vector>

class IObserver;

namespace values
{

class Node;
class TreeItem;

// The static type of a node or a value. Descriptors are long-lived objects (normally
// globals of a device definition) compared by identity. Each has a unique Name, which is
// how documents refer to it, and a PathName relative to the node that holds such an item,
// e.g. "/FdAttr/FStart"; the last segment of the path is the name a new item gets.
//
// Construct descriptors with the named factories, e.g.
//   const ValueDescriptor g_vdFStart =
//       ValueDescriptor::Double("FStart", "/FdAttr/FStart", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
// Factories take plain C strings, so descriptors may be globals of any translation unit.
class ValueDescriptor
{
public:
    enum Kind
    {
        KIND_NODE,
        KIND_INT,
        KIND_DOUBLE,
        KIND_STRING,
        KIND_BOOL,
        KIND_SELECTION,
    };

    static ValueDescriptor NodeType(const char* pszName, const char* pszPathName, const char* pszTip = "");
    static ValueDescriptor Int(const char* pszName, const char* pszPathName, int nDefault,
                               const char* pszUnit = "", int nMin = INT_MIN, int nMax = INT_MAX,
                               const char* pszTip = "");
    static ValueDescriptor Double(const char* pszName, const char* pszPathName, double dDefault,
                                  const char* pszUnit = "", double dStep = 1.0, int nBasis = 0,
                                  double dMin = -1e300, double dMax = 1e300, const char* pszTip = "");
    static ValueDescriptor String(const char* pszName, const char* pszPathName, const char* pszDefault = "",
                                  const char* pszTip = "");
    static ValueDescriptor Bool(const char* pszName, const char* pszPathName, bool bDefault,
                                const char* pszTip = "");
    // nDefaultKey selects the initial entry; a key not in the list selects the first.
    static ValueDescriptor Selection(const char* pszName, const char* pszPathName,
                                     std::vector<SelectionItem> vecItems, int nDefaultKey,
                                     const char* pszUnit = "", int nBasis = 0, const char* pszTip = "");

    ValueDescriptor(const ValueDescriptor&) = delete;
    ValueDescriptor& operator=(const ValueDescriptor&) = delete;
    ValueDescriptor(ValueDescriptor&&) = delete; // registered by address: never moves
    ~ValueDescriptor();

    const QString& Name() const { return m_sName; }
    const QString& PathName() const { return m_sPathName; }
    QString DefaultItemName() const; // last segment of PathName
    Kind GetKind() const { return m_eKind; }
    bool IsNode() const { return m_eKind == KIND_NODE; }
    const QString& Unit() const { return m_sUnit; }
    double Step() const { return m_dStep; }
    int Basis() const { return m_nBasis; }
    double Minimum() const { return m_dMin; }
    double Maximum() const { return m_dMax; }
    const QVariant& Default() const { return m_vDefault; }
    const std::vector<SelectionItem>& SelectionItems() const { return m_vecItems; }
    const QString& Tip() const { return m_sTip; }

    // Prefix text of a power of 1000: -2 "u", -1 "m", 0 "", 1 "k", 2 "M", 3 "G", 4 "T".
    static QString Basis(int nBasis);

    // A fresh item of this type named sName (default: DefaultItemName()), not in any tree.
    TreeItem* CreateItem(const QString& sName = QString()) const;

    // The item of this type at base path + PathName() in the process-wide tree, made
    // (with any missing intermediate nodes) if it does not exist. The observer, if any,
    // is registered with the item. Returns the existing item even if it is of another
    // kind; callers check the kind.
    TreeItem* Create(IObserver* pObserver) const;
    // As Create, with the path relative to pNode instead of the base path.
    TreeItem* CreateAt(Node* pNode, IObserver* pObserver) const;

    // The node at the absolute path, made with its missing ancestors. Intermediate nodes
    // take the node descriptor whose item name matches the segment, else the generic one.
    static Node* CreateNodeAbsolute(const QString& sPath, IObserver* pObserver);
    static void SetBasePath(const QString& sPath);
    static const QString& GetBasePath();

    // Registry of all descriptors alive in the process.
    static const ValueDescriptor* Find(const QString& sName);
    static const ValueDescriptor* FindNodeByItemName(const QString& sItemName);
    // The descriptor of nodes that have no type of their own.
    static const ValueDescriptor* GenericNode();

private:
    ValueDescriptor(const char* pszName, const char* pszPathName, Kind eKind, const char* pszTip);
    // The one constructor every factory calls, so that the result is built in place.
    ValueDescriptor(const char* pszName, const char* pszPathName, Kind eKind, const char* pszTip,
                    const char* pszUnit, double dStep, int nBasis, double dMin, double dMax,
                    QVariant vDefault, std::vector<SelectionItem> vecItems);

    QString m_sName;
    QString m_sPathName;
    Kind m_eKind;
    QString m_sUnit;
    double m_dStep = 1.0;
    int m_nBasis = 0;
    double m_dMin = -1e300;
    double m_dMax = 1e300;
    QVariant m_vDefault;
    std::vector<SelectionItem> m_vecItems;
    QString m_sTip;
};

} // namespace values
