#include "framework/win/accessible_object.h"

#include <objbase.h>
#include <oleacc.h>

#include <new>

#include "framework/win/system_library.h"

namespace pipetto::win {
namespace {

// Written out: in a static link the import library's IID_IAccessible names the import
// thunk, not the identifier, and no client would ever get the object.
constexpr IID accessible_interface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The three DLLs, loaded once, when the first client asks.
struct AccessibilityLibraries {
    SystemLibrary com{L"ole32.dll"};
    SystemLibrary automation{L"oleaut32.dll"};
    SystemLibrary accessibility{L"oleacc.dll"};
    decltype(&CoInitializeEx) initialise = com.function<decltype(CoInitializeEx)>("CoInitializeEx");
    decltype(&SysAllocString) allocate_string =
        automation.function<decltype(SysAllocString)>("SysAllocString");
    decltype(&LresultFromObject) result_from_object =
        accessibility.function<decltype(LresultFromObject)>("LresultFromObject");
    // The window's thread is a single-threaded apartment: the client's calls arrive as
    // messages that the message loop dispatches.
    bool ready = initialise && allocate_string && result_from_object &&
                 SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));

    static AccessibilityLibraries& get() {
        static AccessibilityLibraries libraries;
        return libraries;
    }
};

bool is_self(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// One control, as the client sees it. It keeps the window's handle and copies of its
// name and role, never the control: a client may hold it after the control has gone.
class AccessibleObject final : public IAccessible {
  public:
    AccessibleObject(HWND window, std::wstring name, long role)
        : window_(window), name_(std::move(name)), role_(role) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == accessible_interface) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --references_;
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // Clients reach the properties through the interface itself, not by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (!is_self(child))
            return E_INVALIDARG;
        *name = AccessibilityLibraries::get().allocate_string(name_.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!is_self(child))
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!is_self(child))
            return E_INVALIDARG;
        state->vt = VT_I4;
        state->lVal = IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(window_))
            state->lVal |= STATE_SYSTEM_UNAVAILABLE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        RECT place;
        if (!is_self(child) || !GetWindowRect(window_, &place))
            return E_INVALIDARG;
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        RECT place;
        const POINT at{x, y};
        if (!GetWindowRect(window_, &place) || !PtInRect(&place, at)) {
            child->vt = VT_EMPTY;
            return S_FALSE;
        }
        child->vt = VT_I4;
        child->lVal = CHILDID_SELF;
        return S_OK;
    }

    // Nothing more to tell, and nothing a client may change.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR*, VARIANT, long*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        child->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        children->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        end->vt = VT_EMPTY;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~AccessibleObject() = default;

    HWND window_;
    std::wstring name_;
    long role_;
    long references_ = 1;
};

} // namespace

LRESULT answer_accessible_object(HWND window, WPARAM wparam, LPARAM lparam,
                                 const std::wstring& name, long role) noexcept {
    if (static_cast<LONG>(lparam) != OBJID_CLIENT || name.empty() || role == 0)
        return 0;
    try {
        AccessibilityLibraries& libraries = AccessibilityLibraries::get();
        if (!libraries.ready)
            return 0;
        auto* object = new AccessibleObject(window, name, role);
        const LRESULT result = libraries.result_from_object(accessible_interface, wparam, object);
        object->Release(); // the client holds its own reference now, if it got one
        return FAILED(result) ? 0 : result;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

} // namespace pipetto::win
