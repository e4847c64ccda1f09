#include "app_instance.h"

#include "../cstring.h"
#include "wide_text.h"

namespace {

HINSTANCE g_resourceHandle = nullptr;

bool LoadFromStringTable(UINT id, CString& text)
{
    // With a zero buffer length LoadStringW hands back a pointer to the
    // resource's own text, which is not terminated; the answer is its length.
    const wchar_t* resource = nullptr;
    int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        text.Empty();
        return false;
    }
    text = FromWide(resource, length);
    return true;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_resourceHandle = hInstResource;
}

void AfxInstallStringLoader()
{
    CString::SetStringLoader(&LoadFromStringTable);
}
