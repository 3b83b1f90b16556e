#pragma once

#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"

#include <functional>
#include <string>
#include <vector>

// Windows for the framework tests that write down what happens to them.

// A log shared by several windows, so the order across them shows.
using EventLog = std::vector<std::string>;

class CRecordingEdit : public CEdit {
public:
    std::vector<UINT> messages;
    int messagesBeforePreSubclass = -1;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// An owner-drawn button that makes itself owner-drawn while it is bound,
// as the skinned buttons do.
class CRecordingButton : public CButton {
public:
    std::vector<DRAWITEMSTRUCT> draws;
    EventLog* log = nullptr;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
};

class CRecordingDialog : public CDialog {
public:
    explicit CRecordingDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}

    EventLog events;
    std::vector<UINT> messages;
    int messagesBeforePreSubclass = -1;
    DWORD styleRemovedAtSubclass = 0;
    bool bindEdit = true;
    int ddxControlId = 1000;
    CRecordingEdit m_edit;

    // Hooks a test fills in.
    std::function<void(CRecordingDialog&)> onInit;              // end of OnInitDialog
    std::function<void(CRecordingDialog&, UINT, WPARAM)> onApp; // WM_APP and above
    std::function<BOOL(CRecordingDialog&, MSG*)> onPreTranslate;
    std::function<BOOL(CRecordingDialog&, WPARAM, LPARAM)> onCommand; // TRUE: handled

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Modeless, for the tests that drive the dialog step by step.
    BOOL Create() { return CreateFromTemplate(nullptr) != nullptr; }

protected:
    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnDrawItemInTable(WPARAM wParam, LPARAM lParam);
};

// Index of the first occurrence of value, or -1.
template <class T> int IndexOf(const std::vector<T>& items, const T& value)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}
