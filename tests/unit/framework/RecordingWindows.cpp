#include "tests/unit/framework/RecordingWindows.h"

void CRecordingEdit::PreSubclassWindow()
{
    messagesBeforePreSubclass = static_cast<int>(messages.size());
    CEdit::PreSubclassWindow();
}

LRESULT CRecordingEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back(message);
    return CEdit::WindowProc(message, wParam, lParam);
}

void CRecordingButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CRecordingButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    draws.push_back(*lpDrawItemStruct);
    if (log != nullptr)
        log->push_back("button DrawItem");
}

const MessageMap* CRecordingDialog::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::Size<&CRecordingDialog::OnSize>(),
        On::Message<WM_DRAWITEM, &CRecordingDialog::OnDrawItemInTable>(),
    };
    static const MessageMap map{CDialog::GetThisMessageMap(), entries};
    return &map;
}

void CRecordingDialog::PreSubclassWindow()
{
    messagesBeforePreSubclass = static_cast<int>(messages.size());
    events.push_back("PreSubclassWindow");
    // What the skinned dialogs do: no caption, no sizing border.
    const DWORD before = GetStyle();
    ModifyStyle(WS_CAPTION | WS_THICKFRAME, 0);
    styleRemovedAtSubclass = before & ~GetStyle();
    CDialog::PreSubclassWindow();
}

LRESULT CRecordingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back(message);
    if (message >= WM_APP && message <= 0xBFFF && onApp) {
        onApp(*this, message, wParam);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CRecordingDialog::PreTranslateMessage(MSG* pMsg)
{
    if (onPreTranslate && onPreTranslate(*this, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CRecordingDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (bindEdit)
        DDX_Control(pDX, ddxControlId, m_edit);
}

BOOL CRecordingDialog::OnInitDialog()
{
    events.push_back("OnInitDialog");
    CDialog::OnInitDialog();
    if (onInit)
        onInit(*this);
    return TRUE;
}

BOOL CRecordingDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    events.push_back("OnCommand " + std::to_string(LOWORD(wParam)));
    if (onCommand && onCommand(*this, wParam, lParam))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CRecordingDialog::OnOK()
{
    events.push_back("OnOK");
    CDialog::OnOK();
}

void CRecordingDialog::OnCancel()
{
    events.push_back("OnCancel");
    CDialog::OnCancel();
}

void CRecordingDialog::OnSize(UINT, int, int)
{
    events.push_back("OnSize");
    Default();
}

LRESULT CRecordingDialog::OnDrawItemInTable(WPARAM, LPARAM)
{
    events.push_back("dialog table WM_DRAWITEM");
    return Default();
}
