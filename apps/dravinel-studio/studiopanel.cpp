#include "studiopanel.h"

#include "dravinelcontrols/dravinelview.h"

#include "dravineldefinition/sampledata.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"

#include <QInputDialog>

StudioPanel::StudioPanel(QWidget* pParent) : TreePanel(pParent, "DravinelStudio")
{
}

void StudioPanel::NewFile(int nType)
{
    TreePanel::NewFile(nType);
    if (nType == TYPE_SAMPLE)
        DravinelDefinition::SampleData::Fill(values::Tree::Instance()->GetRoot());
}

QString StudioPanel::GetFileOpenPattern()
{
    return tr("Device Tree") + QStringLiteral(" (*.xml)");
}

ITreeListView* StudioPanel::CreateView()
{
    return new DravinelView(this);
}

QString StudioPanel::GetFileNodePath()
{
    // The document is the whole process-wide tree: the device tree lives at its root.
    return QStringLiteral("/");
}

int StudioPanel::SelectNewType()
{
    const QStringList lstTypes{tr("Sample device tree"), tr("Empty device tree")};
    bool bOk = false;
    const QString sChoice =
        QInputDialog::getItem(this, windowTitle(), tr("New document:"), lstTypes, 0, false, &bOk);
    return bOk ? lstTypes.indexOf(sChoice) : -1;
}

QString StudioPanel::GetTextUnloaded()
{
    return tr("no device tree loaded");
}
