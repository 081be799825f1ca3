#pragma once

#include "dravinelcontrols/editmenuactions.h"
#include "kvbase/observable.h"
#include "oskevo/kvmodifier.h"
#include "oskevo/mediatorctrl.h"
#include "tolveth/aliasmapclient.h"
#include "tolveth/menucommand.h"

#include <QItemDelegate>
#include <QPointer>
#include <functional>
#include <list>
#include <unordered_map>

class FrequencyListPaste;
class FrequencyView;
class FrequencyViewItem;
class QAbstractItemDelegate;
class QAction;
class QClipboard;
class QTableWidgetItem;
class ResortPopupMenu;

namespace values
{
class IDynamicRules;
class Mediator;
class Node;
class TreeItem;
} // namespace values

// The controller of a FrequencyView: its item delegate, the registry of its row mediators, the
// observer of the node whose children are the frequency definitions, and the owner of its
// context menu. It builds one row per frequency definition child, keeps the rows in step when
// children come and go, and carries out the menu commands (new, insert, delete, keep order,
// cut, copy, paste). The emission and movement scenario controllers derive from it and replace
// columns, rows, menu and entry creation.
class FrequencyViewCtrl : public QItemDelegate,
                          public values::MediatorCtrl,
                          public IObserver,
                          public values::KVModifier,
                          public AliasMapClient
{
    Q_OBJECT

public:
    explicit FrequencyViewCtrl(FrequencyView* pView = nullptr);
    ~FrequencyViewCtrl() override;

    // Columns, table attributes, menu and connections (once per controller), then Load when
    // pNode is given; shows the view.
    virtual void Init(values::Node* pNode);
    // Shows the frequency definitions below pNode (another node loaded before is let go).
    virtual void Load(values::Node* pNode);
    virtual void Unload();
    // True while the registry holds a row mediator (an empty list counts as not loaded).
    virtual bool IsLoaded();
    virtual void NotifyViewItemCreated(values::Mediator* pMediator);
    virtual void NotifyViewItemDeleted(values::Mediator* pMediator);
    virtual std::list<MenuCommand> GetMenuCommandList();
    virtual void OnCommand(unsigned int nCommand);
    virtual void AddColumns();
    virtual void AddConnects();
    virtual void AddMenu();
    // Makes rows for the frequency definitions that have none; runs on load and whenever the
    // loaded node's children change.
    virtual void UpdateViewItemList();
    // Creates one frequency definition under the loaded node through the device rules.
    virtual void New();

    // Item delegate: every cell is a TableItem whose editor writes its value itself, so no data
    // passes between editor and model here.
    QWidget* createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* pEditor, const QModelIndex& index) const override;
    void setModelData(QWidget* pEditor, QAbstractItemModel* pModel, const QModelIndex& index) const override;

    values::Mediator* CreateMediator(Observable* pObservable) override;
    void NotifyCreated(values::Mediator* pMediator) override;
    void NotifyDeleted(values::Mediator* pMediator) override;

    void Update(Observable* pObservable, TChangeCode code) override;
    // The observer is handed to every row (and its cells), also to rows made before, so a
    // host that sets it after Load still hears of every edit.
    void SetObserver(values::IModifyObserver* pObserver) override;
    bool IsModified() override;
    void SetbModified(bool bModified) override;

    // The definition of the first selected row that has a mediator, or null.
    values::Node* GetCurrentFrequencyDef();
    // As GetCurrentFrequencyDef, but only a single frequency (start equal to stop).
    values::Node* GetCurrentFd();
    FrequencyView* GetFrequencyView() const { return m_pView; }
    void SetFrequencyView(FrequencyView* pView);
    values::Node* GetNode() const { return m_pNode; }
    // The path of a definition, as values::TreeItem::GetPathName_NoSlashForRoot gives it; while
    // rows are being built the list's own path is reused instead of walking up each time.
    QString PathOfDefinition(values::Node* pFd) const;
    // The mediator of a model row, found by the row's name item; null for none.
    FrequencyViewItem* GetRowMediator(int nRow) const;

    // The parameter pane of the current definition. The plain view has none; the split view's
    // controller shows and removes the parameters here when a suppressed flag changes.
    virtual void ShowParameter(values::Node* pFrequencyDefinition);
    virtual void DeleteParameter();

    // Messages to the operator normally appear in an information box titled with the
    // application name. A sink set here receives title and text instead (hosts that log,
    // tests); an empty sink restores the boxes. Returns the previous sink.
    typedef std::function<void(const QString& sTitle, const QString& sText)> MessageSink;
    static MessageSink SetMessageSink(MessageSink sink);

public slots:
    void SlotEnable();
    void SlotCurrentCellChanged(int nRow, int nCol, int nPreviousRow, int nPreviousCol);
    void SlotContextMenuRequested(const QPoint& pos);
    void SlotNew();
    void SlotInsert();
    void SlotDelete();
    void SlotCut();
    void SlotCopy();
    void SlotPaste();
    void SlotReOrderTreeItems();

protected:
    void AddAttributes();
    // Appends columns with these headers after those the table has; the first call makes this
    // controller the table's item delegate.
    void AppendColumns(const QStringList& listHeaders);
    // The node a child of the loaded node shows as a row, or null for a child without row.
    virtual values::Node* RowNode(values::TreeItem* pChild) const;
    // Where the insertion row stands after a rebuild of the rows, from where it stood.
    virtual int InsertionRowAfterRebuild(int nRow) const;
    // Selects the insertion row after a rebuild.
    virtual void SelectInsertionRow();
    // The rules of the current device definition for the node's type, or null.
    static values::IDynamicRules* RulesOf(const values::Node* pNode);
    // The two text forms of Paste; false when the text is not of that form.
    bool PasteFrequencyListCopyStruct(QString& sText);
    bool PasteFrequencyStoreRG(QString& sText);
    // The value framework's XML form of Paste; throws KVException on a bad document.
    void PasteVtXml(const QString& sText);
    // A new frequency definition under the loaded node through the device rules, or null.
    values::Node* CreateFrequencyDef();
    // Selected model rows, ascending, each once (rows whose cells are all empty are left out).
    std::list<int> SelectedRows() const;
    // Shows a message; false when this controller was deleted while the box was open.
    bool ShowMessage(const QString& sText);

    FrequencyView* m_pView;
    QPointer<ResortPopupMenu> m_pMenu;
    // From each row's name item to the row's mediator; hashed, since long lists look rows up
    // by the thousand and the order of the entries means nothing.
    std::unordered_map<QTableWidgetItem*, FrequencyViewItem*> m_mapRows;
    std::list<MenuCommand> m_listMenuCommands;
    values::Node* m_pNode;
    int m_nInsertionRow;
    int m_nPendingInsertions;
    EditMenuActions m_actions; // delete, cut, copy and paste
    QClipboard* m_pClipboard;

private slots:
    // A press toggles the pressed cell after the current-cell change selected its row; the row
    // is made whole again.
    void SlotCellPressed(int nRow, int nCol);

private:
    // Fills new definitions from read lines or store entries, all in one change of the list.
    void CreateDefinitions(const FrequencyListPaste& paste);

    bool m_bInitialised = false;
    QString m_sListPath; // the loaded node's path while rows are being built, else empty
    bool m_bListPathKnown = false;
    QPointer<QWidget> m_pViewAlive; // tells whether the view still exists when the controller goes
    QPointer<QAbstractItemDelegate> m_pPreviousDelegate; // given back when the controller goes
    static MessageSink s_messageSink;
};
