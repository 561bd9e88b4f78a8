#include "tools/mkinstaller/installer_reading.h"

#include "tools/mkinstaller/windows_names.h"

ContainerState openInstaller(const std::string& installer, const TemporaryFolder& work,
                             Container& container, ParamNode& messages) {
    container.programPath.assign(installerPath(installer).c_str());
    container.scratchFile.assign(work.text().c_str());
    container.scratchFile.appendPath("libtmp.tmp");
    return readContainer(container, work.text().c_str(), messages);
}
