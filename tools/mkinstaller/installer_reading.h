#pragma once

#include <string>

#include "params/param_node.h"
#include "payload/payload_reader.h"
#include "tools/mkinstaller/temporary_folder.h"

// Reads an installer's container as the stub does at start-up, in a fresh session whose work
// folder is `work`: the directory, the volumes joined, the checksum verified. The messages the
// stub would show in its start-up boxes are added to `messages`, one child each.
ContainerState openInstaller(const std::string& installer, const TemporaryFolder& work,
                             ParamNode& messages);
