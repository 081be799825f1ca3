#pragma once

#include "tolveth/itreeedit.h"

#include <list>

// The editor interfaces of a view that hands them to its controller. The view makes its
// controller on the first Init (MakeCtrl, which derived views replace to make their own
// kind) and deletes it in its own destructor (DeleteCtrl), while its widgets are whole. Until
// the controller exists, the modified flag and the observer are kept here and handed over
// when it comes, so a host may set them in any order.
template <class Ctrl> class TreeEditForwarder : public ITreeEdit
{
public:
    // ITreeView
    void Init(values::Node* pNode) override
    {
        if (!m_pCtrl)
            AdoptCtrl(MakeCtrl());
        m_pCtrl->Init(pNode);
    }
    // A host that loads without initialising first still gets a working editor.
    void Load(values::Node* pNode) override
    {
        if (!m_pCtrl)
            Init(pNode);
        else
            m_pCtrl->Load(pNode);
    }
    void Unload() override
    {
        if (m_pCtrl)
            m_pCtrl->Unload();
    }
    bool IsLoaded() override { return m_pCtrl && m_pCtrl->IsLoaded(); }

    // IEditor
    bool IsModified() override { return m_pCtrl ? m_pCtrl->IsModified() : m_bModified; }
    void SetbModified(bool bModified) override
    {
        if (m_pCtrl)
            m_pCtrl->SetbModified(bModified);
        else
            values::KVModifier::SetbModified(bModified);
    }
    void SetObserver(values::IModifyObserver* pObserver) override
    {
        m_pModifyObserver = pObserver; // kept as well, for a controller made later
        if (m_pCtrl)
            m_pCtrl->SetObserver(pObserver);
    }
    std::list<MenuCommand> GetMenuCommandList() override
    {
        return m_pCtrl ? m_pCtrl->GetMenuCommandList() : std::list<MenuCommand>();
    }
    void OnCommand(unsigned int nCommand) override
    {
        if (m_pCtrl)
            m_pCtrl->OnCommand(nCommand);
    }

    // AliasMapClient: also handed to an existing controller.
    void SetAliasMap(IAliasMap* pAliasMap) override
    {
        AliasMapClient::SetAliasMap(pAliasMap);
        if (m_pCtrl)
            m_pCtrl->SetAliasMap(pAliasMap);
    }

    Ctrl* GetCtrl() const { return m_pCtrl; }

protected:
    virtual Ctrl* MakeCtrl() = 0;
    // Takes over a freshly made controller: hands it the alias map and the observer the view
    // was given before.
    void AdoptCtrl(Ctrl* pCtrl)
    {
        m_pCtrl = pCtrl;
        m_pCtrl->SetAliasMap(GetAliasMap());
        if (m_pModifyObserver)
            m_pCtrl->SetObserver(m_pModifyObserver);
    }
    void DeleteCtrl()
    {
        delete m_pCtrl; // the controller may still ask the view for itself while it goes
        m_pCtrl = nullptr;
    }

    Ctrl* m_pCtrl = nullptr;
};
