#include "framework/AccessibleName.h"

#include "framework/ComPtr.h"
#include "framework/ProcAddress.h"
#include "framework/SystemLibrary.h"

#include <objbase.h>
#include <oleacc.h>

namespace {

// IAccessible's identifier, spelled out: the one in MinGW's static uuid
// library has a wrong value, and a query with it fails.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The functions of oleacc, ole32 and oleaut32 the answer needs, bound once.
struct AccessibilityFunctions {
    decltype(&::CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&::LresultFromObject) resultFromObject = nullptr;
    decltype(&::CoInitializeEx) joinCom = nullptr;
    decltype(&::SysAllocString) allocString = nullptr;
};

AccessibilityFunctions BindAccessibility()
{
    AccessibilityFunctions f;
    HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    if (oleacc == nullptr || ole32 == nullptr || oleaut32 == nullptr)
        return AccessibilityFunctions{};
    f.createStandardObject = ProcAddress<decltype(f.createStandardObject)>(oleacc, "CreateStdAccessibleObject");
    f.resultFromObject = ProcAddress<decltype(f.resultFromObject)>(oleacc, "LresultFromObject");
    f.joinCom = ProcAddress<decltype(f.joinCom)>(ole32, "CoInitializeEx");
    f.allocString = ProcAddress<decltype(f.allocString)>(oleaut32, "SysAllocString");
    if (f.createStandardObject == nullptr || f.resultFromObject == nullptr || f.joinCom == nullptr ||
        f.allocString == nullptr)
        return AccessibilityFunctions{};
    return f;
}

// Null where a library or a function is missing. The libraries stay loaded
// for the run: objects made by them may be held by clients until its end.
const AccessibilityFunctions* Accessibility()
{
    static const AccessibilityFunctions f = BindAccessibility();
    return f.createStandardObject != nullptr ? &f : nullptr;
}

// Joins the calling thread to COM once; the objects handed to clients are
// called through its apartment. RPC_E_CHANGED_MODE: it is in one already.
bool JoinedToCom(const AccessibilityFunctions& f)
{
    thread_local const HRESULT joined = f.joinCom(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    return SUCCEEDED(joined) || joined == RPC_E_CHANGED_MODE;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The platform's client-area object of a window with another name: every
// call but the name's goes to it. Like every COM object it is ended by its
// own last Release, never deleted through an interface pointer.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor): see above
class NamedClientObject final : public IAccessible {
public:
    NamedClientObject(IAccessible* standard, std::wstring name, const AccessibilityFunctions& f)
        : m_standard(standard)
        , m_name(std::move(name))
        , m_f(f)
    {
        m_standard->AddRef();
    }
    NamedClientObject(const NamedClientObject&) = delete;
    NamedClientObject& operator=(const NamedClientObject&) = delete;

    // IUnknown. Only the three interfaces this object is; anything else the
    // standard object offers would hand out the standard object itself, so
    // a client going through it would read its name.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kIidAccessible)) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override
    {
        return m_standard->GetTypeInfo(index, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override
    {
        return m_standard->GetIDsOfNames(riid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override
    {
        return m_standard->Invoke(id, riid, lcid, flags, params, result, exception, argError);
    }

    // IAccessible: the name is this object's own.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (!IsSelf(child))
            return m_standard->get_accName(child, name);
        if (name == nullptr)
            return E_INVALIDARG;
        *name = m_f.allocString(m_name.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return m_standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return m_standard->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return m_standard->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override
    {
        return m_standard->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return m_standard->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_standard->accDoDefaultAction(child);
    }
    // The name cannot be set from outside; the value (the box's text) can.
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard->put_accValue(child, value);
    }

private:
    // Only the last Release ends the object.
    ~NamedClientObject() { m_standard->Release(); }

    LONG m_refs = 1;
    IAccessible* m_standard;
    std::wstring m_name;
    const AccessibilityFunctions& m_f;
};

} // namespace

bool AccessibleName::Answer(HWND hWnd, WPARAM wParam, LPARAM lParam, LRESULT* result) const
{
    // The object id is a DWORD; in a 64-bit lParam it may come sign- or
    // zero-extended, by the client.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || m_name.empty())
        return false;
    const AccessibilityFunctions* f = Accessibility();
    if (f == nullptr || !JoinedToCom(*f))
        return false;
    ComPtr<IAccessible> standard;
    if (FAILED(f->createStandardObject(hWnd, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(standard.Put()))) ||
        standard.Get() == nullptr)
        return false;
    auto* named = new NamedClientObject(standard.Get(), m_name, *f);
    const LRESULT answer = f->resultFromObject(kIidAccessible, wParam, named);
    named->Release();
    // A negative answer is a failure code; the platform's own is better then.
    if (answer < 0)
        return false;
    *result = answer;
    return true;
}
