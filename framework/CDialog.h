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
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(const char* lpszTemplateName, CWnd* pParentWnd = nullptr);

    // Returns the code given to EndDialog, or -1 if the dialog could not be
    // created (no template, or the platform refused it).
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (visible if its template says so).
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends the modal loop with nResult. For a modeless dialog: hides it.
    void EndDialog(int nResult);

    // Runs DoDataExchange; FALSE if it raised an exception.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    const char* m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    // The owner of the modal window: the top-level window of the parent, or
    // the main window when there is no parent (never the dialog itself).
    HWND FindOwner() const;
    HWND CreateFromTemplate(HWND hWndOwner);
    void RunModalLoop();

    // Dialog procedure for the dialog manager; all handling is in the
    // message tables, so it leaves everything to default processing.
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

    int m_nModalResult = -1;
    // DoModal is running for this object (EndDialog ends its loop, also
    // when called from OnInitDialog before the loop starts).
    bool m_bModal = false;
    bool m_bEndModal = false;
};
