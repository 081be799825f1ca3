#pragma once

#include "oskevo/selectionitem.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vtxmlformat.h"

#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QXmlStreamAttributes;
class QXmlStreamReader;

namespace values
{

class Node;
class TreeItem;

// Reads a Vt document from a QXmlStreamReader into a detached tree, so that a caller can
// swap it in only after the whole text was found good. Strict and bounded: the first
// problem throws KVException with its line and column; nesting, attribute lengths and the
// number of items are limited (VtXml::s_nMax...), DTDs other than the bare
// "<!DOCTYPE Vt>" are refused, and the tree is built with an explicit stack.
class VtXmlReader
{
public:
    struct Document
    {
        std::vector<std::unique_ptr<TreeItem>> vecItems; // the root's items in order
        std::string sText;                               // the root's free text
        bool bHasVersion = false;
        QString sVersion;
    };
    // Called as soon as the root element is read; may throw to stop reading.
    typedef std::function<void(const Document& document)> VersionCheck;

    // sWhat opens every message ("Invalid Vt document", "Cannot read \"x.xml\""); sFunction
    // and sSource go into the exception.
    VtXmlReader(const QString& sWhat, const QString& sFunction, const QString& sSource = QString());

    // Whether names must also be unique among the root's items (they always are below).
    void SetUniqueTopLevel(bool bUnique) { m_bUniqueTopLevel = bUnique; }
    void SetVersionCheck(VersionCheck check) { m_versionCheck = std::move(check); }

    Document Read(QXmlStreamReader& xml);

    // Replaces the children and the free text of pNode by the document's in one step:
    // observers of pNode see one CC_CHILDREN. The document is emptied. Throws KVException,
    // changing nothing, when pNode is being deleted; false when an observer deleted it
    // on the way.
    static bool ReplaceContent(Node* pNode, Document& document, const QString& sFunction);

    // The message of an error at a position, as Read throws it.
    [[noreturn]] static void Throw(const QString& sWhat, const QString& sFunction, const QString& sSource,
                                   qint64 nLine, qint64 nColumn, const QString& sWhy);

private:
    enum FrameType
    {
        FRAME_ROOT,
        FRAME_NODE,
        FRAME_VALUE,
        FRAME_SELECTION,
    };
    struct Frame
    {
        FrameType eType;
        Node* pNode; // FRAME_NODE: the node being filled
    };
    // A selection is made when its entries are complete.
    struct PendingSelection
    {
        QString sName;
        const ValueDescriptor* pDescriptor = nullptr;
        int nState = 0;
        int nCurrent = -1;
        bool bHasText = false;
        QString sText;
        std::vector<SelectionItem> vecItems;
    };

    void ReadDtd();
    void ReadStart();
    void ReadEnd();
    void ReadRoot();
    void ReadNode();
    void ReadValue();
    void ReadEntry();
    void AddItem(TreeItem* pItem);
    // Sorts the attributes of the current element into m_asAttributes.
    void TakeAttributes(VtXmlFormat::Element eElement);
    bool Has(VtXmlFormat::Attribute eAttribute) const { return (m_nPresent & (1u << eAttribute)) != 0; }
    // A text attribute in its plain or "...Utf16" form.
    bool Text(VtXmlFormat::Attribute eAttribute, QString& sText, bool bRequired);
    bool Bytes(std::string& sBytes);
    bool Int(VtXmlFormat::Attribute eAttribute, int& nValue, bool bRequired);
    [[noreturn]] void FailMissing(VtXmlFormat::Attribute eAttribute) const;
    const ValueDescriptor* Descriptor(bool bNode);
    QString ParentPath() const;
    [[noreturn]] void Fail(const QString& sWhy) const;

    QString m_sWhat;
    QString m_sFunction;
    QString m_sSource;
    bool m_bUniqueTopLevel = false;
    VersionCheck m_versionCheck;

    QXmlStreamReader* m_pXml = nullptr;
    QStringRef m_asAttributes[VtXmlFormat::ATTR_COUNT]; // valid while the element is current
    unsigned m_nPresent = 0;
    Document m_document;
    QSet<QString> m_setTopNames;
    std::vector<Frame> m_vecStack;
    std::unique_ptr<PendingSelection> m_pSelection;
    bool m_bDtd = false;
    bool m_bRoot = false;
    int m_nItems = 0;
};

} // namespace values
