#pragma once

#include "framework/CWnd.h"

class CDataExchange;

// A dialog from a dialog template resource (DLGTEMPLATE or DLGTEMPLATEEX).
//
// DoModal creates the dialog modeless from the template, with the object
// bound before the window's first message, disables the owner and runs the
// dialog's own message loop until EndDialog; then it enables the owner again
// and destroys the window. While it runs, each message taken from the queue
// is offered to PreTranslateMessage from its target up to the main window
// (CWnd::WalkPreTranslateTree), then to the dialog manager
// (IsDialogMessage: Enter gives IDOK, Escape IDCANCEL), then translated and
// dispatched. WM_CLOSE becomes IDCANCEL through the dialog manager's default
// processing. IDOK and IDCANCEL reach OnOK and OnCancel through OnCommand.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Returns the code given to EndDialog, or -1 if the dialog could not be
    // created (no template, or the platform refused it).
    INT_PTR DoModal();
    // Ends the modal loop with nResult.
    void EndDialog(int nResult);

    // Runs DoDataExchange; FALSE if it raised an exception.
    BOOL UpdateData();

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Creates the window from the template, owned by hWndOwner, bound to this
    // object before its first message; visible if the template says so.
    // Null when there is no such template or the platform refused it.
    HWND CreateFromTemplate(HWND hWndOwner);

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    // The owner of the modal window: the top-level window of the parent, or
    // the main window when there is no parent (never the dialog itself).
    HWND FindOwner() const;
    void RunModalLoop();

    // Dialog procedure for the dialog manager; all handling is in the
    // message tables, so it leaves everything to default processing.
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

    int m_nModalResult = -1;
    // EndDialog was called: the loop ends (also when it was called from
    // OnInitDialog, before the loop started).
    bool m_bEndModal = false;
};
