#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "../link_reader.h"

bool readLink(const std::string& path, LinkFields& fields) {
    bool read = false;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        std::vector<wchar_t> wide(path.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), int(wide.size()));
        if (SUCCEEDED(file->Load(wide.data(), STGM_READ))) {
            char text[1024];
            link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
            fields.target = text;
            link->GetArguments(text, sizeof text);
            fields.arguments = text;
            link->GetWorkingDirectory(text, sizeof text);
            fields.workingFolder = text;
            link->GetDescription(text, sizeof text);
            fields.description = text;
            link->GetIconLocation(text, sizeof text, &fields.iconIndex);
            fields.iconFile = text;
            read = true;
        }
    }
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(init)) CoUninitialize();
    return read;
}

std::string systemPath(const std::string& path) {
    std::string windows = path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}
