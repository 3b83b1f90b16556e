#pragma once

#include <windows.h>

#include <cstddef>

class CWnd;
class CDC;

// A class's message table: which messages it handles and how, plus a link to
// its base class's table. Dispatch looks in the object's own class table
// first, then in each base table, then falls back to default processing.
//
// Each class that handles messages writes, next to its handlers:
//
//   const MessageMap* CMyDlg::GetThisMessageMap()
//   {
//       static const MessageEntry entries[] = {
//           On::Size<&CMyDlg::OnSize>(),
//           On::EraseBkgnd<&CMyDlg::OnEraseBkgnd>(),
//       };
//       static const MessageMap map{CBaseDlg::GetThisMessageMap(), entries};
//       return &map;
//   }
//
// and overrides GetMessageMap() to return GetThisMessageMap().

// Calls the handler with the message's parameters unpacked; stores what the
// window procedure is to return in result.
using MessageThunk = void (*)(CWnd& wnd, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct MessageEntry {
    UINT message;
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* pBaseMap;
    const MessageEntry* pEntries;
    std::size_t nCount;

    template <std::size_t N>
    constexpr MessageMap(const MessageMap* base, const MessageEntry (&entries)[N])
        : pBaseMap(base)
        , pEntries(entries)
        , nCount(N)
    {
    }

    // The entry for message in this table alone, or null.
    const MessageEntry* Find(UINT message) const
    {
        for (std::size_t i = 0; i < nCount; ++i) {
            if (pEntries[i].message == message)
                return &pEntries[i];
        }
        return nullptr;
    }
};

namespace MessageMapDetail {

template <class T> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};

// The object the handler Fn belongs to.
template <auto Fn> typename MemberOf<decltype(Fn)>::Class& Self(CWnd& wnd)
{
    return static_cast<typename MemberOf<decltype(Fn)>::Class&>(wnd);
}

// The signed 16-bit halves of a position parameter (what windowsx.h's
// GET_X_LPARAM does; that header is not used because its macros, such as
// SubclassWindow, collide with member names).
inline int LowSigned(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
inline int HighSigned(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }
inline POINT PointFrom(LPARAM lParam) { return POINT{LowSigned(lParam), HighSigned(lParam)}; }

// Wraps the HDC of WM_ERASEBKGND for the handler; defined in CWnd.cpp so
// that this header does not need CDC.
LRESULT CallWithDC(HDC hDC, void* self, LRESULT (*call)(void* self, CDC* pDC));

} // namespace MessageMapDetail

// Typed entries, one per message, with the handler signatures the classes
// use. Handlers are member functions of the class whose table holds them (or
// of one of its bases).
namespace On {

// Any message, handler LRESULT Fn(WPARAM, LPARAM).
template <UINT Msg, auto Fn> MessageEntry Message()
{
    return {Msg, [](CWnd& w, WPARAM wp, LPARAM lp, LRESULT& r) { r = (MessageMapDetail::Self<Fn>(w).*Fn)(wp, lp); }};
}

// void OnSize(UINT nType, int cx, int cy)
template <auto Fn> MessageEntry Size()
{
    return {WM_SIZE, [](CWnd& w, WPARAM wp, LPARAM lp, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
                r = 0;
            }};
}

// void OnMove(int x, int y): x and y are the signed 16-bit halves.
template <auto Fn> MessageEntry Move()
{
    return {WM_MOVE, [](CWnd& w, WPARAM, LPARAM lp, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)(MessageMapDetail::LowSigned(lp), MessageMapDetail::HighSigned(lp));
                r = 0;
            }};
}

// void OnPaint()
template <auto Fn> MessageEntry Paint()
{
    return {WM_PAINT, [](CWnd& w, WPARAM, LPARAM, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)();
                r = 0;
            }};
}

// void OnNcPaint()
template <auto Fn> MessageEntry NcPaint()
{
    return {WM_NCPAINT, [](CWnd& w, WPARAM, LPARAM, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)();
                r = 0;
            }};
}

// BOOL OnEraseBkgnd(CDC* pDC)
template <auto Fn> MessageEntry EraseBkgnd()
{
    return {WM_ERASEBKGND, [](CWnd& w, WPARAM wp, LPARAM, LRESULT& r) {
                r = MessageMapDetail::CallWithDC(reinterpret_cast<HDC>(wp), &w, [](void* self, CDC* pDC) -> LRESULT {
                    return (MessageMapDetail::Self<Fn>(*static_cast<CWnd*>(self)).*Fn)(pDC);
                });
            }};
}

// HCURSOR OnQueryDragIcon()
template <auto Fn> MessageEntry QueryDragIcon()
{
    return {WM_QUERYDRAGICON, [](CWnd& w, WPARAM, LPARAM, LRESULT& r) {
                r = reinterpret_cast<LRESULT>((MessageMapDetail::Self<Fn>(w).*Fn)());
            }};
}

// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
template <auto Fn> MessageEntry SetCursor();

// void OnXxx(UINT nFlags, POINT point), point in client coordinates.
template <UINT Msg, auto Fn> MessageEntry Mouse()
{
    return {Msg, [](CWnd& w, WPARAM wp, LPARAM lp, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)(static_cast<UINT>(wp), MessageMapDetail::PointFrom(lp));
                r = 0;
            }};
}
template <auto Fn> MessageEntry MouseMove() { return Mouse<WM_MOUSEMOVE, Fn>(); }
template <auto Fn> MessageEntry LButtonDown() { return Mouse<WM_LBUTTONDOWN, Fn>(); }
template <auto Fn> MessageEntry LButtonUp() { return Mouse<WM_LBUTTONUP, Fn>(); }
template <auto Fn> MessageEntry LButtonDblClk() { return Mouse<WM_LBUTTONDBLCLK, Fn>(); }

// LRESULT OnNcHitTest(POINT point), point in screen coordinates.
template <auto Fn> MessageEntry NcHitTest()
{
    return {WM_NCHITTEST, [](CWnd& w, WPARAM, LPARAM lp, LRESULT& r) {
                r = (MessageMapDetail::Self<Fn>(w).*Fn)(MessageMapDetail::PointFrom(lp));
            }};
}

// void OnTimer(UINT_PTR nIDEvent)
template <auto Fn> MessageEntry Timer()
{
    return {WM_TIMER, [](CWnd& w, WPARAM wp, LPARAM, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)(static_cast<UINT_PTR>(wp));
                r = 0;
            }};
}

// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
template <auto Fn> MessageEntry GetMinMaxInfo()
{
    return {WM_GETMINMAXINFO, [](CWnd& w, WPARAM, LPARAM lp, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)(reinterpret_cast<MINMAXINFO*>(lp));
                r = 0;
            }};
}

// void OnWindowPosChanging(WINDOWPOS* lpwndpos)
template <auto Fn> MessageEntry WindowPosChanging()
{
    return {WM_WINDOWPOSCHANGING, [](CWnd& w, WPARAM, LPARAM lp, LRESULT& r) {
                (MessageMapDetail::Self<Fn>(w).*Fn)(reinterpret_cast<WINDOWPOS*>(lp));
                r = 0;
            }};
}

} // namespace On
