// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "accessible.h"

namespace accessible {

namespace {

// Spelled out: in a static MinGW link, oleacc.h's IID_IAccessible is data
// imported from oleacc.dll, which names its import slot, not the GUID.
constexpr GUID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

bool Self(const VARIANT &child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's proxy for the control, with the name, description and role
// of the control itself told instead.
class Object final : public IAccessible
{
public:
    Object(IAccessible *proxy, const Told &told) : proxy_(proxy), told_(told) {}

    // IUnknown: this object for what it is; the proxy for the rest (its
    // children's enumeration, its window).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIAccessible) {
            *object = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        return proxy_->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            proxy_->Release();
            delete this;
        }
        return left;
    }

    // IDispatch, the proxy's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return proxy_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID locale, ITypeInfo **info) override
    {
        return proxy_->GetTypeInfo(i, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override
    {
        return proxy_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception, UINT *wrong) override
    {
        return proxy_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }

    // IAccessible: the control's own name, description and role; the rest,
    // and its children's, the proxy's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        if (!Self(child) || told_.name.empty())
            return proxy_->get_accName(child, name);
        *name = SysAllocString(told_.name.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (!Self(child) || told_.description.empty())
            return proxy_->get_accDescription(child, description);
        *description = SysAllocString(told_.description.c_str());
        return *description ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        if (!Self(child))
            return proxy_->get_accRole(child, role);
        VariantInit(role);
        if (told_.tag) {
            role->vt = VT_BSTR;
            role->bstrVal = SysAllocString(told_.tag);
            return role->bstrVal ? S_OK : E_OUTOFMEMORY;
        }
        role->vt = VT_I4;
        role->lVal = told_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override { return proxy_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override { return proxy_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return proxy_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override { return proxy_->get_accValue(child, value); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override { return proxy_->get_accState(child, state); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override { return proxy_->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic) override
    {
        return proxy_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return proxy_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override { return proxy_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override { return proxy_->get_accSelection(children); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return proxy_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return proxy_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child) override
    {
        return proxy_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override
    {
        return proxy_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT *child) override
    {
        return proxy_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return proxy_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return proxy_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override { return proxy_->put_accValue(child, value); }

private:
    ~Object() = default;

    IAccessible *proxy_;
    const Told told_;
    LONG references_ = 1;
};

} // namespace

LRESULT Answer(HWND control, WPARAM wParam, LPARAM lParam, const Told &told)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    // COM, which the answer travels by, started when a screen reader first
    // asks, not before.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible *proxy = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, kIAccessible, reinterpret_cast<void **>(&proxy))))
        return 0;
    Object *object = new Object(proxy, told);
    const LRESULT answer = LresultFromObject(kIAccessible, wParam, static_cast<IAccessible *>(object));
    object->Release();
    return answer;
}

} // namespace accessible
