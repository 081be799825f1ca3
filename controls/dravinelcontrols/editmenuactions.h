#pragma once

class QAction;
class QClipboard;

// The entries of an editor's context menu that follow what there is to act on: delete, cut
// and copy need something shown, paste needs text on the clipboard. An editor without some of
// the entries (the scenario tables offer no clipboard entries) leaves them null, and they are
// then left alone.
class EditMenuActions
{
public:
    // Delete, cut and copy are enabled exactly when the editor shows anything.
    void EnableForContent(bool bAnything) const;
    // Paste is enabled exactly when the clipboard holds text.
    void EnablePaste(const QClipboard* pClipboard) const;

    QAction* m_pDeleteAction = nullptr;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pCutAction = nullptr;
    QAction* m_pPasteAction = nullptr;
};
