#include "platform/shell_link.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "params/file_stream.h"

namespace {

// The link path in UTF-16 for IPersistFile::Save.
std::vector<wchar_t> widePath(const char* path) {
    int n = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), n);
    return wide;
}

}  // namespace

bool ShellLink::CreateLink() const {
    // The thread may already have COM (S_FALSE): then it keeps it afterwards.
    HRESULT init = CoInitialize(nullptr);
    if (FAILED(init)) errorStream() << "Erreur d'init COM = " << static_cast<long>(init) << "\n";
    bool created = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        if (target_.present) link->SetPath(target_.get());
        if (arguments_.present) link->SetArguments(arguments_.get());
        if (workingFolder_.present) link->SetWorkingDirectory(workingFolder_.get());
        if (description_.present) link->SetDescription(description_.get());
        if (iconFile_.present && !iconFile_.text.empty())
            link->SetIconLocation(iconFile_.get(), iconIndex_);
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            // A folder that does not exist makes Save fail: the link is
            // simply not written.
            file->Save(widePath(linkPath_.text.text()).data(), TRUE);
            file->Release();
            created = true;
        }
        link->Release();
    }
    if (init == S_OK) CoUninitialize();
    return created;
}
