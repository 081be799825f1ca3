#pragma once

#include "tolveth/itreeedit.h"

#include <QSplitter>

class FrequencyView;
class FrequencyViewSplitCtrl;
class ParameterView;

// The frequency list editor with the parameters of its current frequency definition: the
// frequency table above, a parameter area below that shows the parameter editor of the
// definition in the current row. The editor interfaces go to the controller, created on the
// first Init and owned.
class FrequencyViewSplit : public QSplitter, public ITreeEdit
{
    Q_OBJECT

public:
    FrequencyViewSplit(QWidget* pParent, QString sName);
    ~FrequencyViewSplit() override;

    // ITreeView
    void Init(values::Node* pNode) override;
    void Load(values::Node* pNode) override;
    void Unload() override;
    bool IsLoaded() override;

    // IEditor
    bool IsModified() override;
    void SetbModified(bool bModified) override;
    void SetObserver(values::IModifyObserver* pObserver) override;
    std::list<MenuCommand> GetMenuCommandList() override;
    void OnCommand(unsigned int nCommand) override;

    // AliasMapClient: also handed to the frequency view and an existing controller.
    void SetAliasMap(IAliasMap* pAliasMap) override;

    FrequencyView* GetFrequencyView() const { return m_pFrequencyView; }
    // Null while no parameters are shown.
    ParameterView* GetParameterView() const { return m_pParameterView; }
    QWidget* GetParameterViewArea() const { return m_pParameterArea; }
    void SetParameterView(ParameterView* pView) { m_pParameterView = pView; }
    FrequencyViewSplitCtrl* GetCtrl() const { return m_pCtrl; }

private:
    std::list<MenuCommand> m_listMenuCommands;
    FrequencyViewSplitCtrl* m_pCtrl = nullptr;
    FrequencyView* m_pFrequencyView;
    ParameterView* m_pParameterView = nullptr;
    QWidget* m_pParameterArea;
};
