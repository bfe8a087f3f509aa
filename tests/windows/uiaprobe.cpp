// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A uiautomationcore.dll for the Wine test alone, never shipped: what the program's UI
// Automation provider hands a screen reader, read where Wine's own UI Automation cannot reach
// (its calls into the program's GUI thread never return). The test puts it in its private
// prefix's system32 and starts the program with WINEDLLOVERRIDES=uiautomationcore=n; Qt, which
// loads that library by name, then hands this one its provider in answer to WM_GETOBJECT.
//
// When windriver asks (WM_GETOBJECT with kAskedByDriver as wParam, UiaRootObjectId as lParam),
// the provider tree below the window is walked, still on the GUI thread, and written to the
// file that POOLWRIGHT_UIA_OUT names, one element a line, its fields split by tabs:
//   DEPTH CONTROLTYPE AUTOMATIONID FOCUS FOCUSABLE NAME DESCRIPTION READONLY VALUE
// FOCUS and FOCUSABLE are 0 or 1; READONLY is 0 or 1 from the element's value pattern, or -
// (and VALUE empty) when it has none; a tab, line break or backslash inside a text is written
// as \t, \n or \\.

#include <windows.h>

#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <cstdio>
#include <string>

// The value pattern's interface, which mingw-w64's headers leave out, as Windows' SDK declares
// it. Not in the anonymous namespace: GCC takes a class there to have no implementation beyond
// this file, and compiles a call into it away as unreachable (a jump to a bad address).
struct IValueProvider : IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) = 0;
};

namespace {

constexpr WPARAM kAskedByDriver = 0x504F4F4C;
// From uiautomationcoreapi.h, which mingw-w64 writes in C only.
constexpr LONG kUiaRootObjectId = -25;

constexpr int kDeepest = 12;

// The value pattern's identifiers, which mingw-w64's headers leave out.
constexpr PATTERNID kValuePatternId = 10002;
const IID kIidValueProvider = {
    0xc7935180, 0x6fb3, 0x4201, {0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb, 0xf6, 0x4a}};

std::string Utf8(const wchar_t* wide, int length)
{
    if (wide == nullptr || length <= 0)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, text.data(), n, nullptr, nullptr);
    return text;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

VARIANT Property(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    if (FAILED(element->GetPropertyValue(id, &value)))
        VariantInit(&value);
    return value;
}

std::string TextProperty(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value = Property(element, id);
    std::string text;
    if (value.vt == VT_BSTR)
        text = Utf8(value.bstrVal, int(SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return text;
}

long IntProperty(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value = Property(element, id);
    const long number = value.vt == VT_I4 ? value.lVal : 0;
    VariantClear(&value);
    return number;
}

bool BoolProperty(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value = Property(element, id);
    const bool yes = value.vt == VT_BOOL && value.boolVal != VARIANT_FALSE;
    VariantClear(&value);
    return yes;
}

// READONLY and VALUE, as the element's value pattern gives them.
std::string ValueFields(IRawElementProviderSimple* element)
{
    IUnknown* pattern = nullptr;
    if (FAILED(element->GetPatternProvider(kValuePatternId, &pattern)) || pattern == nullptr)
        return "-\t";
    IValueProvider* value = nullptr;
    const HRESULT asked =
        pattern->QueryInterface(kIidValueProvider, reinterpret_cast<void**>(&value));
    pattern->Release();
    if (FAILED(asked) || value == nullptr)
        return "-\t";
    BOOL readOnly = FALSE;
    BSTR text = nullptr;
    std::string fields = "-\t";
    if (SUCCEEDED(value->get_IsReadOnly(&readOnly)) && SUCCEEDED(value->get_Value(&text)))
        fields = (readOnly ? "1\t" : "0\t") + Escaped(Utf8(text, int(SysStringLen(text))));
    SysFreeString(text);
    value->Release();
    return fields;
}

void Describe(IRawElementProviderSimple* element, int depth, std::string& out)
{
    out += std::to_string(depth) + '\t' +
           std::to_string(IntProperty(element, UIA_ControlTypePropertyId)) + '\t' +
           Escaped(TextProperty(element, UIA_AutomationIdPropertyId)) + '\t' +
           (BoolProperty(element, UIA_HasKeyboardFocusPropertyId) ? "1" : "0") + '\t' +
           (BoolProperty(element, UIA_IsKeyboardFocusablePropertyId) ? "1" : "0") + '\t' +
           Escaped(TextProperty(element, UIA_NamePropertyId)) + '\t' +
           Escaped(TextProperty(element, UIA_FullDescriptionPropertyId)) + '\t' +
           ValueFields(element) + '\n';
}

void Walk(IRawElementProviderFragment* fragment, int depth, std::string& out)
{
    IRawElementProviderSimple* simple = nullptr;
    if (SUCCEEDED(fragment->QueryInterface(IID_IRawElementProviderSimple,
                                           reinterpret_cast<void**>(&simple)))) {
        Describe(simple, depth, out);
        simple->Release();
    }
    if (depth >= kDeepest)
        return;
    IRawElementProviderFragment* child = nullptr;
    fragment->Navigate(NavigateDirection_FirstChild, &child);
    while (child != nullptr) {
        Walk(child, depth + 1, out);
        IRawElementProviderFragment* next = nullptr;
        child->Navigate(NavigateDirection_NextSibling, &next);
        child->Release();
        child = next;
    }
}

bool Write(const std::string& text)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"POOLWRIGHT_UIA_OUT", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    FILE* file = _wfopen(path, L"wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" {

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple* root)
{
    if (wParam != kAskedByDriver || LONG(lParam) != kUiaRootObjectId || root == nullptr)
        return 0;
    IRawElementProviderFragment* fragment = nullptr;
    if (FAILED(root->QueryInterface(IID_IRawElementProviderFragment,
                                    reinterpret_cast<void**>(&fragment))))
        return 0;
    std::string out;
    Walk(fragment, 0, out);
    fragment->Release();
    return Write(out) ? 1 : 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** out)
{
    if (out != nullptr)
        *out = nullptr;
    return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple*, EVENTID)
{
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT)
{
    return S_OK;
}

// No client listens, so Qt raises no events; what it answers when asked is what is read.
__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return FALSE;
}
}
