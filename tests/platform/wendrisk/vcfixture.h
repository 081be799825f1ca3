#pragma once

#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Value types of the editor tests.
namespace vcfixture
{
inline const values::ValueDescriptor& Frequency()
{
    static const values::ValueDescriptor s_vd =
        values::ValueDescriptor::Double("TstFrequency", "/TstFrequency", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
    return s_vd;
}
inline const values::ValueDescriptor& Gain()
{
    static const values::ValueDescriptor s_vd =
        values::ValueDescriptor::Double("TstGain", "/TstGain", 0.0, "dB", 0.1, 0, -20.0, 60.0);
    return s_vd;
}
inline const values::ValueDescriptor& Plain()
{
    static const values::ValueDescriptor s_vd =
        values::ValueDescriptor::Double("TstPlain", "/TstPlain", 0.0, "", 1.0, 0, -1e6, 1e6);
    return s_vd;
}
inline const values::ValueDescriptor& Count()
{
    static const values::ValueDescriptor s_vd =
        values::ValueDescriptor::Int("TstCount", "/TstCount", 5, "", 0, 100);
    return s_vd;
}
inline const values::ValueDescriptor& Name()
{
    static const values::ValueDescriptor s_vd =
        values::ValueDescriptor::String("TstName", "/TstName", "first");
    return s_vd;
}
inline const values::ValueDescriptor& Flag()
{
    static const values::ValueDescriptor s_vd = values::ValueDescriptor::Bool("TstFlag", "/TstFlag", false);
    return s_vd;
}
inline const values::ValueDescriptor& Mode()
{
    static const values::ValueDescriptor s_vd = values::ValueDescriptor::Selection(
        "TstMode", "/TstMode",
        {values::SelectionItem("AM", 1.0, 10), values::SelectionItem("FM", 2.0, 20),
         values::SelectionItem("USB", 3.0, 30)},
        20);
    return s_vd;
}
inline const values::ValueDescriptor& Time()
{
    static const values::ValueDescriptor s_vd = values::ValueDescriptor::String("TstTime", "/TstTime", "");
    return s_vd;
}
inline const values::ValueDescriptor& Seconds()
{
    static const values::ValueDescriptor s_vd = values::ValueDescriptor::Int("TstSeconds", "/TstSeconds", 0);
    return s_vd;
}
inline const values::ValueDescriptor& Latitude()
{
    static const values::ValueDescriptor s_vd =
        values::ValueDescriptor::Double("TstLatitude", "/TstLatitude", 0.0, "deg", 0.0001, 0, -90.0, 90.0);
    return s_vd;
}
inline const values::ValueDescriptor& Longitude()
{
    static const values::ValueDescriptor s_vd = values::ValueDescriptor::Double(
        "TstLongitude", "/TstLongitude", 0.0, "deg", 0.0001, 0, -180.0, 180.0);
    return s_vd;
}

// A node of its own below the root for one test; deleted (with its values) at the end.
class Scratch
{
public:
    Scratch()
    {
        static int s_nCounter = 0;
        values::Node* pRoot = values::Tree::Instance()->GetRoot();
        m_pNode = static_cast<values::Node*>(
            pRoot->AddItem(new values::Node(QStringLiteral("Scratch%1").arg(++s_nCounter))));
    }
    ~Scratch()
    {
        if (m_pNode && m_pNode->GetParentNode())
            m_pNode->GetParentNode()->DeleteItem(m_pNode);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // A value of that type below the scratch node, at its default.
    template <class T> T* Add(const values::ValueDescriptor& descriptor)
    {
        return static_cast<T*>(m_pNode->AddItem(descriptor.CreateItem()));
    }
    values::Node* Node() const { return m_pNode; }
    void Delete(values::TreeItem* pItem) { m_pNode->DeleteItem(pItem); }

private:
    values::Node* m_pNode;
};

// What an operator does in a text field: click, select everything, type, finish with a key.
inline void TypeInto(QWidget* pWidget, QLineEdit* pLine, const QString& sText,
                     Qt::Key finish = Qt::Key_Return)
{
    pWidget->setFocus();
    pLine->selectAll();
    if (!sText.isEmpty())
        QTest::keyClicks(pWidget, sText);
    else
        QTest::keyClick(pWidget, Qt::Key_Backspace);
    if (finish != Qt::Key_unknown)
        QTest::keyClick(pWidget, finish);
}
} // namespace vcfixture
