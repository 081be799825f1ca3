#include "studiotvi.h"

#include "editorregistry.h"

#include "oskevo/node.h"

#include <QLayout>

StudioTvi::StudioTvi(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem)
    : TviNodeSplit(pCtrl, pDisplayArea, pItem)
{
}

void StudioTvi::CreateDisplay()
{
    if (!m_pDisplay)
    {
        if (QWidget* pEditor = EditorRegistry::Instance().Create(GetNode(), m_pDisplayArea, this))
        {
            SetDisplay(pEditor);
            if (m_pDisplayArea && m_pDisplayArea->layout())
                m_pDisplayArea->layout()->addWidget(pEditor);
        }
    }
    // The generic form for everything else, and the common hand-over of an existing display.
    TviNodeSplit::CreateDisplay();
}
