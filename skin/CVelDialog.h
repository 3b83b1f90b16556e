#pragma once

#include "framework/CBitmap.h"
#include "framework/CDialog.h"
#include "framework/CFont.h"
#include "framework/CImageList.h"
#include "framework/CString.h"
#include "gfx/DisplayScale.h"
#include "skin/CVelButton.h"
#include "skin/CaptionButtonLayout.h"
#include "skin/SkinSlices.h"
#include "skin/VelFrameGeometry.h"

namespace skin {
// WM_GETDPISCALEDSIZE (Windows 10 1703 and later), which the platform's
// headers declare only for builds that require Windows 10.
inline constexpr UINT kMsgGetDpiScaledSize = 0x02E4;
} // namespace skin

// The base of every dialog of the program: a borderless window whose title
// bar and edges are painted from eight slices of one skin bitmap. It does
// the work of the platform caption it removes: the title, the window shape
// (magenta corner pixels and an optional hole cut out), dragging by the
// title and client area, resizing at the skin borders with a polling timer,
// the maximised geometry, three caption buttons and the system menu.
class CVelDialog : public CDialog {
public:
    CVelDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~CVelDialog() override;

    CVelDialog(const CVelDialog&) = delete;
    CVelDialog& operator=(const CVelDialog&) = delete;

    // Setters only store: the effect shows at the next paint or WM_SIZE.
    void SetSkinSlice(int x, int y, int cx, int cy, int index);
    void SetSkinBitmaps(CBitmap* pSkin, CBitmap* pCaptionStrip);
    void SetTitleStyle(int x, int y, COLORREF crTitle);
    void SetTitleText(CFont* pFont, const CString& text, CFont* pSubFont, const CString& subText, int subX, int subY);
    void SetTitleIcon(CImageList* pImageList, int nImage, int x, int y, HICON hIcon, int cx, int cy);
    void SetMinTrackSize(int cx, int cy);
    void SetRegionHole(const RECT* pHole);
    void SetCaptionButtons(int minWidth, int maxWidth, int closeWidth, int height, int spacing, int rightMargin,
                           int topMargin, int maxTopExtra, int backX);

    // The scale the dialog is shown at: of its hit bands, window shape,
    // fonts and caption buttons. The derived dialog sets it (with the skin
    // and the metrics drawn for it) before the base's OnInitDialog, and again
    // when the window moves to a monitor of another scale.
    void SetScale(const gfx::DisplayScale& scale);
    const gfx::DisplayScale& GetScale() const { return m_scale; }

    // The area inside the frame, left to the derived dialog to fill.
    void GetInnerRect(RECT* pRect) const;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The borders resize the window; also enables Size and Maximize in the
    // system menu.
    BOOL m_bResizable = FALSE;

    CVelButton m_btnMin;
    CVelButton m_btnMax;
    CVelButton m_btnClose;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void PreSubclassWindow() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam);

    // The window is now on a monitor of another scale; suggested is the
    // rectangle the platform proposes for it. The derived dialog takes the
    // scale on (artwork, metrics, fonts, size); here nothing changes, so a
    // dialog that does not override it keeps its device size.
    virtual void OnScaleChanged(const gfx::DisplayScale& scale, const RECT& suggested);
    // The window's size at scale, asked before the platform plans a move to
    // a monitor of that scale; false leaves it to the platform, which
    // scales the whole window.
    virtual bool SizeAtScale(const gfx::DisplayScale& scale, SIZE* pSize);

    void CreateCaptionButtons();
    void ShowSystemMenu();
    void UpdateWindowRegion();

    int ResizeCode() const { return m_nResizeCode; }

private:
    void DrawFramePart(CDC* pDC, int part);
    void DrawTitle(CDC* pDC, const RECT& client);
    void LayoutCaptionButtons(bool bMaximised);
    void GiveTopmostToTaskbar();
    void BeginResize(int code);
    void EndResize();
    static bool PrimaryButtonDown();
    bool HasSkin() const;
    static bool IsShownButton(const CVelButton& button);

    gfx::DisplayScale m_scale;
    skin::SkinSlices m_slices;
    DWORD m_dwLastMenuTime = 0;
    POINT m_ptTitle{5, 3};
    CString m_strTitle;
    COLORREF m_crTitle = RGB(255, 255, 255);
    CFont* m_pTitleFont = nullptr;
    CFont* m_pSubTitleFont = nullptr;
    CString m_strSubTitle;
    POINT m_ptSubTitle{0, 0};
    int m_nResizeCode = skin::kNoResize;
    bool m_bInPlatformSizing = false;
    POINT m_ptPress{0, 0};
    RECT m_rcPressWindow{};
    SIZE m_sizeMin{300, 250};
    CBitmap* m_pSkin = nullptr;
    CBitmap* m_pCaptionStrip = nullptr;
    HICON m_hTitleIcon = nullptr;
    SIZE m_sizeIcon{16, 16};
    POINT m_ptIcon{5, 4};
    int m_nImage = -1;
    CImageList* m_pImageList = nullptr;
    const RECT* m_pRegionHole = nullptr;
    skin::CaptionButtonMetrics m_caption;
};
