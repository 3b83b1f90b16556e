#pragma once

#include "dialogs/RegionSizeMetrics.h"
#include "framework/CBitmap.h"
#include "framework/CEdit.h"
#include "framework/CFont.h"
#include "skin/CVelDialog.h"
#include "skin/CVelTransButton.h"

class CDataExchange;

// The small modal dialog in which the user types a width and a height. The
// caller sets m_nWidth and m_nHeight, runs DoModal and reads m_nNewWidth and
// m_nNewHeight: both stay 0 unless the dialog was closed with OK, and after
// OK they hold what the boxes read (see ReadSizeText), with no range check.
class CSetRgnSize : public CVelDialog {
public:
    explicit CSetRgnSize(CWnd* pParent = nullptr);
    ~CSetRgnSize() override;

    CSetRgnSize(const CSetRgnSize&) = delete;
    CSetRgnSize& operator=(const CSetRgnSize&) = delete;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CBitmap m_bmpCaptionButtons;
    CBitmap m_bmpSkin;
    CVelTransButton m_btnOK;
    CVelTransButton m_lblWidth;
    CVelTransButton m_lblHeight;
    CFont m_fontOK;
    // The boxes' font where the dialog's own is not made for the dialog's scale.
    CFont m_fontEdit;
    rgnsize::DialogMetrics m_metrics = rgnsize::kNaturalMetrics;

public:
    // Shown in the boxes when the dialog opens.
    int m_nWidth = 0;
    int m_nHeight = 0;
    // Read from the boxes on OK.
    int m_nNewWidth = 0;
    int m_nNewHeight = 0;

private:
    CEdit m_editWidth;
    CEdit m_editHeight;

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnScaleChanged(const gfx::DisplayScale& scale, const RECT& suggested) override;

private:
    void TakeScale(const gfx::DisplayScale& wanted);
    void CreateOKButton();
    void ScaleControls();
    void ScaleEditFont();
    static int ReadBox(const CEdit& box);
};
