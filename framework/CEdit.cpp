#include "framework/CEdit.h"

#include "framework/GbkText.h"

const MessageMap* CEdit::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        On::Message<WM_GETOBJECT, &CEdit::OnGetObject>(),
    };
    static const MessageMap map{CWnd::GetThisMessageMap(), entries};
    return &map;
}

void CEdit::SetAccessibleName(const char* lpszName) { m_name.Set(WideFromGbk(lpszName)); }

LRESULT CEdit::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    LRESULT answer = 0;
    if (m_name.Answer(m_hWnd, wParam, lParam, &answer))
        return answer;
    return Default();
}
