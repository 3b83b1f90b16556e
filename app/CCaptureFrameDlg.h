#pragma once

#include "app/FrameMetrics.h"
#include "app/HotKeyRepeatGuard.h"
#include "framework/CBitmap.h"
#include "framework/CFont.h"
#include "skin/CVelDialog.h"
#include "skin/CVelTransButton.h"

#include <array>

// The capture frame: an always-on-top skinned window with a see-through
// viewport, a panel of four buttons (close, capture, set size, help) and a
// live size label. It remembers its size and position in two properties of
// the desktop window, captures what lies under the viewport on the camera
// button and on the global hot key Ctrl+C, and moves and resizes with the
// arrow keys.
class CCaptureFrameDlg : public CVelDialog {
public:
    explicit CCaptureFrameDlg(CWnd* pParent = nullptr);
    ~CCaptureFrameDlg() override;

    CCaptureFrameDlg(const CCaptureFrameDlg&) = delete;
    CCaptureFrameDlg& operator=(const CCaptureFrameDlg&) = delete;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Copies the screen under the viewport to the clipboard, the output file
    // and Paint.
    BOOL CaptureViewport();
    // Arrow keys move the frame (and the pointer) by one pixel; with Shift
    // they resize it.
    void OnArrowKey(UINT nKey);

    HICON m_hIcon = nullptr;
    RECT m_rcViewport{};
    UINT m_atomHotKey = 0;
    int m_nReqWidth = 50;
    int m_nReqHeight = 50;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void PreSubclassWindow() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    // Moved to a monitor of another scale: the bands, panel, label and
    // artwork take the new scale, while the viewport keeps its device size
    // and stays over the same device pixels.
    void OnScaleChanged(const gfx::DisplayScale& scale, const RECT& suggested) override;
    bool SizeAtScale(const gfx::DisplayScale& scale, SIZE* pSize) override;
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);

private:
    struct PanelButton {
        CVelTransButton& button;
        CBitmap& bitmap;
        UINT bitmapId;
        UINT id;
        UINT tipTextId;
    };
    // The four, in the order close, capture, set size, help.
    std::array<PanelButton, 4> PanelButtons();

    void TakeScale(const gfx::DisplayScale& wanted);
    void CreateSizeLabelFont();
    void ConfigureSkin();
    void CreatePanelButtons();
    void PlaceFrame();
    void PlaceAtStoredGeometry(const RECT& stored);
    void TakeScaleOfMonitor();
    SIZE ViewportSize() const;
    void LayOutIfSizeKept(SIZE before);
    void KeepOnAMonitor();
    void RegisterCaptureHotKey();
    void LayOutFrame(SIZE client);
    void DrawSizeLabel(CDC* pDC, SIZE client);
    void SetRequestedSize();

    frame::FrameMetrics m_metrics = frame::kNaturalMetrics;
    CFont m_fontSizeLabel;
    CBitmap m_bmpSkin;
    CBitmap m_bmpCloseFrame;
    CBitmap m_bmpCapture;
    CBitmap m_bmpSetSize;
    CBitmap m_bmpHotKeyHelp;
    CVelTransButton m_btnCloseFrame;
    CVelTransButton m_btnCapture;
    CVelTransButton m_btnSetSize;
    CVelTransButton m_btnHotKeyHelp;
    // One capture per press of Ctrl+C, however long it is held.
    HotKeyRepeatGuard m_hotKeyRepeats;
};
